// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
// Qt's own texts that Quarnel's dialogs show and that some of Qt's translation
// files lack or get wrong: Slovak has no "Close", "OK" or "Cancel", none has
// all of the print dialog's double-sided printing, Polish calls the Home key
// "Katalog domowy" (home folder). Quarnel's translation is asked before
// Qt's (startup/translations.h), so its files supply them; where Qt's file has
// one, Quarnel's says the same, unless Qt's word is the wrong one. lupdate
// finds them here; the program reads them through Qt's own dialogs.
#include <QtGlobal>

namespace {
// clang-format off
[[maybe_unused]] const char *const qtTexts[] = {
    //: Qt's text: a button of every dialog box (the help's, a message box's).
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    //: Qt's text: a button of every dialog box.
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    //: Qt's text: a button of the save and print dialogs.
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    //: Qt's text: the save dialog's button, as the picture's menu says "Save".
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    //: Qt's text: a file dialog's button.
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),
    //: Qt's text: the file dialog's name for a disk drive.
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Drive"),
    //: Qt's text: the file dialog's key for Back (Alt and the Left arrow key).
    QT_TRANSLATE_NOOP("QFileDialog", "Alt+Left"),
    //: Qt's text: the file dialog's key for Forward (Alt and the Right arrow key).
    QT_TRANSLATE_NOOP("QFileDialog", "Alt+Right"),
    //: Qt's text: the file dialog's key for the parent folder (Alt and the Up arrow key).
    QT_TRANSLATE_NOOP("QFileDialog", "Alt+Up"),
    //: Qt's text: the paper size A4 in the print dialog.
    QT_TRANSLATE_NOOP("QPageSize", "A4"),
    //: Qt's text: the print dialog's choice of which pages to print.
    QT_TRANSLATE_NOOP("QPrintDialog", "All Pages"),
    //: Qt's text: the print dialog's choice of which pages to print.
    QT_TRANSLATE_NOOP("QPrintDialog", "Even Pages"),
    //: Qt's text: the print dialog's choice of which pages to print.
    QT_TRANSLATE_NOOP("QPrintDialog", "Odd Pages"),
    //: Qt's text: the print dialog's label for the choice of all, even or odd pages.
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Page Set:"),
    //: Qt's text: the print dialog's option of printing pages whose numbers are given.
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Pages"),
    //: Qt's text: the print dialog's tooltip for the page numbers; "3,5-7,9" stays
    //: as it is (a list of pages, not a decimal number).
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9."),
    //: Qt's text: the print dialog's group for printing on both sides of the paper.
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Double Sided Printing"),
    //: Qt's text: the print dialog's choice not to print on both sides.
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Off"),
    //: Qt's text: both sides, bound along the paper's long side.
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Long side binding"),
    //: Qt's text: both sides, bound along the paper's short side.
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Short side binding"),
    //: Qt's text: a key name's prefix for the keys of the number pad (Num+5).
    QT_TRANSLATE_NOOP("QShortcut", "Num"),
    //: Qt's text: the name of the Home key (to the start of a line or scale), as
    //: the keyboard says it; the help names it.
    QT_TRANSLATE_NOOP("QShortcut", "Home"),
};
// clang-format on
[[maybe_unused]] const struct {
    const char *source;
    const char *disambiguation;
} folder =
    //: Qt's text: the file dialog's name for a folder.
    QT_TRANSLATE_NOOP3("QAbstractFileIconProvider", "Folder", "All other platforms");
} // namespace
