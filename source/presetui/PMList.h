#pragma once

#include "presetui/PMListItemDelegate.h"
#include "presetui/PMResources.h"
#include "presetui/PMSimpleButton.h"

// A list of 24-pixel rows (categories or presets) with one highlighted row and, on deletable
// rows, a trash-can button. Reports clicks tagged with its list id.
class PMList : public juce::Component,
               public PMListItemDelegate
{
public:
    static constexpr int rowHeight = 24;

    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void listItemClicked (int listId, int index) = 0;
        virtual void listItemDeleteClicked (int listId, int index) = 0;
    };

    class Item : public juce::Component,
                 public PMSimpleButton::Delegate
    {
    public:
        Item (const juce::String& text, int index, bool deletable, bool selected,
              const juce::Font& font, PMListItemDelegate* listener);

        void mouseDown (const juce::MouseEvent&) override;
        void mouseUp (const juce::MouseEvent&) override;
        void paint (juce::Graphics&) override;
        void resized() override;
        void simpleButtonClicked (PMSimpleButton* button) override;

        juce::Font font;
        int pressY = 0;
        bool pressed = false;
        PMListItemDelegate* listener = nullptr;   // the owning list; not owned
        PMSimpleButton deleteButton;
        juce::String text;
        int index = 0;
        bool deletable = false;
        bool selected = false;

    private:
        int listY() const;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Item)
    };

    PMList (Delegate* delegate, int listId);
    ~PMList() override;

    void addItem (const juce::String& text, int index, bool deletable, bool selected);
    void clearItems();
    int getNumItems() const noexcept { return items.size(); }
    Item* getItem (int position) const noexcept { return items[position]; }

    // Sets every row's highlight to (row index == index), repainting the rows that changed.
    void setSelectedIndex (int index);

    void itemClicked (int index) override;
    void itemDeleteClicked (int index) override;
    void paint (juce::Graphics&) override;
    void resized() override;

    PMResources::SharedTypefaces typefaces;
    juce::Font font;
    int listId = 0;
    Delegate* delegate = nullptr;   // not owned
    juce::OwnedArray<Item> items;   // the rows, in display order

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMList)
};
