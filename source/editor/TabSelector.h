#pragma once

#include "editor/Sliders.h"

#include <array>

// What a tab button tells the selector that owns it.
class TabButtonDelegate
{
public:
    virtual ~TabButtonDelegate() = default;
    virtual void tabButtonClicked (int index) = 0;
};

// The strip of picture tabs above the band area and the band area itself: the selected page is
// a child, the others are drawn faintly from a cached picture behind it.
class TabSelector : public juce::Component,
                    public TabButtonDelegate
{
public:
    static constexpr int kMaxTabs = 10;
    static constexpr int kImageWidth = 700;
    static constexpr int kImageHeight = 300;

    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        // Called when the user picks a tab other than the selected one, before the pages switch.
        virtual void tabChanged (TabSelector* selector, int index) = 0;
    };

    class TabButton : public juce::Component
    {
    public:
        TabButton() = default;
        void setup (int buttonIndex, TabButtonDelegate* owner, const juce::Image& active,
                    const juce::Image& normal, const juce::Image& hover);
        void setSelected (bool selected) { isSelected = selected; repaint(); }
        bool getIsSelected() const noexcept { return isSelected; }
        bool getIsHovered() const noexcept { return isHovered; }

        void mouseEnter (const juce::MouseEvent&) override;
        void mouseExit (const juce::MouseEvent&) override;
        void mouseDown (const juce::MouseEvent&) override;
        void mouseUp (const juce::MouseEvent&) override;
        void paint (juce::Graphics&) override;

    private:
        juce::Image activeImage, defaultImage, hoverImage;
        int index = 0;
        bool isSelected = false;
        bool isHovered = false;
        TabButtonDelegate* delegate = nullptr;   // not owned: the selector

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TabButton)
    };

    TabSelector();
    ~TabSelector() override = default;

    void setDelegate (Delegate* newDelegate) noexcept { delegate = newDelegate; }
    void setTabCount (int count) noexcept { tabCount = juce::jlimit (0, kMaxTabs, count); }
    int getTabCount() const noexcept { return tabCount; }
    void setPage (int tab, Sliders* page) noexcept { pages[(size_t) tab] = page; }
    void setOverlay (juce::Component* newOverlay) noexcept { overlay = newOverlay; }
    TabButton& getTabButton (int tab) noexcept { return tabButtons[(size_t) tab]; }
    int getSelectedIndex() const noexcept { return selectedIndex; }
    const juce::Image& getInactivePagesImage() const noexcept { return inactivePagesImage; }

    void setSelectedTab (int index);
    void tabButtonClicked (int index) override;
    void renderInactivePages();

    void paint (juce::Graphics&) override;
    void resized() override;

private:
    juce::Rectangle<int> pageBounds() const { return { 16, 58, getWidth() - 32, getHeight() - 58 }; }

    juce::Image inactivePagesImage;
    Delegate* delegate = nullptr;            // not owned: the editor
    int tabCount = 0;
    std::array<Sliders*, kMaxTabs> pages {}; // not owned: the editor's pages
    std::array<TabButton, kMaxTabs> tabButtons;
    int selectedIndex = -1;
    juce::Component* overlay = nullptr;      // not owned: the editor's meters

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TabSelector)
};
