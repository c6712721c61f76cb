#pragma once

#include <QObject>

class QRadioButton;

// The arrow keys inside an option group: Down and Right select the next button
// of the frame, Up and Left the one before, from the last back to the first and
// the other way round, the way a column of options is read. (Qt on its own
// moves by the buttons' positions, which in the staircase frames skips options.)
// The selection follows the focus, so the new button's handler runs at once.
// Installed on every button of a group; owned by the window.
class OptionGroupKeys : public QObject {
    Q_OBJECT
public:
    explicit OptionGroupKeys(QObject *parent);
    // Makes the arrow keys of this option button move through its frame.
    void watch(QRadioButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
