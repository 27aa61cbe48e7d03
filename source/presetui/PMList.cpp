#include "presetui/PMList.h"

PMList::Item::Item (const juce::String& t, int i, bool canDelete, bool isSelected,
                    const juce::Font& f, PMListItemDelegate* l)
    : font (f), listener (l), text (t), index (i), deletable (canDelete), selected (isSelected)
{
    if (deletable)
    {
        const auto trash = PMResources::image ("pm_trash_png");
        deleteButton.setImages (trash, PMResources::image ("pm_trash_pressed_png"), trash, 18.0f, 18.0f);
        deleteButton.delegate = this;
        addAndMakeVisible (deleteButton);
    }
}

int PMList::Item::listY() const
{
    // The list's top edge inside the scroller: minus the scroll offset.
    if (const auto* list = getParentComponent())
        return list->getY();
    return 0;
}

void PMList::Item::mouseDown (const juce::MouseEvent&)
{
    pressY = listY();
    pressed = true;
    repaint();
}

void PMList::Item::mouseUp (const juce::MouseEvent& event)
{
    if (! pressed)
        return;

    pressed = false;
    const auto p = event.getPosition();
    const bool inside = p.x >= 0 && p.y >= 0 && p.x < getWidth() && p.y < getHeight();

    // A press during which the list scrolled is a scroll, not a click.
    juce::Component::SafePointer<Item> self (this);
    if (inside && ! selected && std::abs (listY() - pressY) <= 1 && listener != nullptr)
        listener->itemClicked (index);

    if (self != nullptr)
        repaint();
}

void PMList::Item::paint (juce::Graphics& g)
{
    if (selected)
        g.fillAll (juce::Colour (0xff555555));

    g.setColour (juce::Colours::white);
    g.setFont (font);
    g.drawText (text, juce::Rectangle<int> (5, 0, getWidth() - 5, getHeight()), juce::Justification::centredLeft, true);
}

void PMList::Item::resized()
{
    if (deletable)
        deleteButton.setBounds (getWidth() - 20, 0, 20, getHeight());
}

void PMList::Item::simpleButtonClicked (PMSimpleButton*)
{
    if (listener != nullptr)
        listener->itemDeleteClicked (index);
}

PMList::PMList (Delegate* d, int id)
    : font (juce::Font (typefaces->semiBold).withHeight (14.0f)), listId (id), delegate (d)
{
}

PMList::~PMList()
{
    clearItems();
}

void PMList::addItem (const juce::String& text, int index, bool deletable, bool selected)
{
    font.setHeight (13.0f);
    auto* item = items.add (new Item (text, index, deletable, selected, font, this));
    addAndMakeVisible (item);
}

void PMList::clearItems()
{
    for (auto* item : items)
        removeChildComponent (item);
    items.clear();
}

void PMList::setSelectedIndex (int index)
{
    for (auto* item : items)
    {
        const bool shouldBeSelected = item->index == index;
        if (item->selected != shouldBeSelected)
        {
            item->selected = shouldBeSelected;
            item->repaint();
        }
    }
}

void PMList::itemClicked (int index)
{
    setSelectedIndex (index);
    if (delegate != nullptr)
        delegate->listItemClicked (listId, index);
}

void PMList::itemDeleteClicked (int index)
{
    if (delegate != nullptr)
        delegate->listItemDeleteClicked (listId, index);
}

void PMList::paint (juce::Graphics& g)
{
    if (! items.isEmpty())
        return;

    g.setColour (juce::Colour (0xff202020));
    g.setFont (font);
    g.drawText ("[EMPTY]", getLocalBounds(), juce::Justification::centred, true);
}

void PMList::resized()
{
    for (int i = 0; i < items.size(); ++i)
        items[i]->setBounds (0, (int) (i * (double) rowHeight), getWidth(), rowHeight);
    repaint();
}
