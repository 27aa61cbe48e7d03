#pragma once

// How a list row reports to its list.
class PMListItemDelegate
{
public:
    virtual ~PMListItemDelegate() = default;
    virtual void itemClicked (int index) = 0;
    virtual void itemDeleteClicked (int index) = 0;
};
