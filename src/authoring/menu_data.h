#pragma once
// Captions, tags and shortcuts of the HTML menu's markup commands, kept here so
// the main window builds its menus from the same data the commands use.
// A shortcut text is in QKeySequence's portable form; empty means none.
// An entry with a null caption is a separator (it carries tag 0 and inserts nothing).
#include "markup.h"

namespace zorvel {

struct MenuEntry {
    constexpr MenuEntry(const char* objectName, const char* caption, int tag, const char* shortcut)
        : objectName(objectName), caption(caption), tag(tag), shortcut(shortcut) {}
    // A text-format command's item carries the command's number.
    constexpr MenuEntry(const char* objectName, const char* caption, FormatCommand command, const char* shortcut)
        : MenuEntry(objectName, caption, int(command), shortcut) {}

    const char* objectName; // empty when the item has no name of its own
    const char* caption;
    int tag;
    const char* shortcut;
};

inline constexpr const char* kTextFormattingMenuCaption = "Text &Formatting...";
inline constexpr const char* kHeadingsMenuCaption = "&Headings...";
inline constexpr const char* kListsMenuCaption = "&Lists...";

// The handler for these is Text_Format_Click.
inline constexpr MenuEntry kTextFormattingMenu[] = {
    {"Bold3", "&Bold", FormatCommand::Bold, "Alt+B"},
    {"Italic2", "&Italic", FormatCommand::Italic, "Alt+I"},
    {"Underlined2", "&Underlined", FormatCommand::Underlined, "Alt+U"},
    {"Strong2", "&Strong", FormatCommand::Strong, "Alt+S"},
    {"", nullptr, 0, ""},
    {"", "&Horiz. Line", FormatCommand::HorizontalLine, "Ctrl+H"},
    {"", "&Page Break", FormatCommand::LineBreak, "Ctrl+B"},
    {"", "&New Paragraph", FormatCommand::Paragraph, "Ctrl+P"},
    {"", nullptr, 0, ""},
    {"Codesample1", "Co&de sample", FormatCommand::Code, "Alt+D"},
    {"Keyboard1", "&Keyboard", FormatCommand::Keyboard, "Alt+K"},
    {"Variable1", "&Variable", FormatCommand::Variable, "Alt+V"},
    {"Sample1", "Sam&ple", FormatCommand::Sample, "Alt+P"},
    {"Citation1", "Ci&tation", FormatCommand::Citation, "Alt+T"},
    {"", nullptr, 0, ""},
    {"Blink2", "Bli&nk", FormatCommand::Blink, "Alt+N"},
    {"Center2", "&Center", FormatCommand::Center, "Alt+C"},
    {"Font5", "&Font", FormatCommand::Font, "Alt+F"},
};

// Heading_Click.
inline constexpr MenuEntry kHeadingsMenu[] = {
    {"", "H&1", 1, "Shift+F1"}, {"", "H&2", 2, "Shift+F2"}, {"", "H&3", 3, "Shift+F3"},
    {"", "H&4", 4, "Shift+F4"}, {"", "H&5", 5, "Shift+F5"}, {"", "H&6", 6, "Shift+F6"},
};

// Lists_Click.
inline constexpr MenuEntry kListsMenu[] = {
    {"", "&Numbered", 1, "Ctrl+Shift+F1"},  {"", "Bu&lleted", 2, "Ctrl+Shift+F2"}, {"", "&Menu", 3, "Ctrl+Shift+F3"},
    {"", "&Directory", 4, "Ctrl+Shift+F4"}, {"", "&Glossary", 5, "Ctrl+Shift+F5"},
};

// The single items of the HTML menu that open the other markup commands.
inline constexpr MenuEntry kMailToMenuItem = {"", "&MailTo", 0, "Ctrl+M"};         // MailTo1Click
inline constexpr MenuEntry kLinksMenuItem = {"Links1", "&Links", 0, "Alt+L"};      // Link_Btn_Click
inline constexpr MenuEntry kImageMenuItem = {"", "&Image", 0, "Ctrl+I"};           // Image_BtnClick
inline constexpr MenuEntry kTableMenuItem = {"", "&Table", 0, "Ctrl+T"};           // Table_BtnClick
inline constexpr MenuEntry kBackgroundMenuItem = {"", "Bac&kground", 0, "Ctrl+K"}; // Background1Click
inline constexpr const char* kHtmlMenuCaption = "HTM&L";

// The Forms menu; Form_BtnClick opens the form dialog at the page given by the tag.
inline constexpr const char* kFormsMenuCaption = "Fo&rms";
inline constexpr const char* kTextFieldsMenuCaption = "&Text Fields...";
inline constexpr MenuEntry kCreateFormMenuItem = {"", "Create A &Form", 0, ""};
inline constexpr MenuEntry kTextFieldsMenu[] = {{"", "&Single Line", 1, ""}, {"", "&Multi Line", 2, ""}};
inline constexpr MenuEntry kFormControlsMenu[] = {
    {"", "&Radio Buttons", 3, ""},
    {"", "&Check Boxes", 4, ""},
    {"", "&Selections", 5, ""},
    {"", "&Buttons", 6, ""},
};

} // namespace zorvel
