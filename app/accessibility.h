#pragma once

class QWidget;

// Makes the window usable from the keyboard and with a screen reader: every
// control gets an accessible name and, where its caption alone does not say
// what it sets, a description; the picture is a graphic whose description says
// what it shows; the selected button of each option group is the group's tab
// stop, and the arrow keys move through a group. Captions stay as they are.
// Call once, after the start-up selection.
void setUpAccessibility(QWidget &window);
