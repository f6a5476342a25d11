#pragma once

// Base of every record that a user can select in a panel table.
class SelectableObject
{
public:
    SelectableObject() = default;
    SelectableObject(const SelectableObject&) = default;
    SelectableObject& operator=(const SelectableObject&) = default;
    virtual ~SelectableObject();

    bool isSelected() const { return selected; }
    void setSelected(bool on) { selected = on; }

private:
    bool selected = false;
};
