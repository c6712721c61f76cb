#pragma once

class QWidget;

// Makes the window usable from the keyboard and with a screen reader, beyond
// the names and descriptions its control table gives: the picture is a graphic
// whose description says what it shows; the selected button of each option
// group is the group's tab stop, and the arrow keys move through a group.
// Call once, after the start-up selection.
void setUpAccessibility(QWidget &window);
