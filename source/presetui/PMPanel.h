#pragma once

#include "presetui/PMSimpleButton.h"

// The browser's button row: Save and Save as... on the left, Load... and Export... on the right.
class PMPanel : public juce::Component,
                public PMSimpleButton::Delegate
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void saveAsClicked() = 0;
        virtual void saveClicked() = 0;
        virtual void loadClicked() = 0;
        virtual void exportClicked() = 0;
    };

    explicit PMPanel (Delegate* delegate);

    void resized() override;
    void simpleButtonClicked (PMSimpleButton* button) override;

    PMSimpleButton saveAsButton, saveButton, loadButton, exportButton;
    Delegate* delegate = nullptr;   // not owned

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMPanel)
};
