"""The installer's dialogs, as Windows Installer tables that msibuild imports: wixl writes none.
Someone who opens the .msi (a double click, msiexec /i) sees Quorvel's licence with Install and
Cancel, a progress bar, and a last page saying where Quorvel is; a silent install (msiexec /qn,
group policy, a device manager) runs none of them. English only, like the rest of the installer.

The GPL asks no one to accept it in order to install or run the program (its section 9), so the
dialog offers Install at once rather than behind an "I accept" box.
"""
import os

TEXT_STYLE = "QuorvelText"
HEADING_STYLE = "QuorvelHeading"
# The property that names the dialogs' font, for wixl to write into the Property table.
PROPERTIES = {"DefaultUIFont": TEXT_STYLE}

# Sizes are in dialog units (a quarter of the font's average character width across, an eighth of
# its height down), as Windows Installer lays dialogs out; 370 x 270 is the usual page.
WIDTH, HEIGHT, PROGRESS_HEIGHT, FINISHED_HEIGHT = 370, 270, 70, 100
BUTTON_W, BUTTON_H = 56, 17
VISIBLE, ENABLED, SUNKEN = 1, 2, 4
MODAL = 2

LICENCE_NOTE = (
    "Quorvel is free software: you may use, copy, change and share it under the GNU General "
    "Public License, version 3 or later, below. It comes with no warranty. The licences of Qt "
    "(the GNU Lesser General Public License, version 3) and of the fonts are installed beside "
    "the program, in its licences folder.")
FINISHED_NOTE = (
    "Quorvel is in the Start menu, with the folder of the teacher's guides. Its licences are "
    "in the licences folder beside the program.")


def rtf(text):
    """A plain-text licence as the ScrollableText control wants it: Rich Text, on one line, so that
    the control wraps it to its width."""
    def escape(s):
        out = []
        for ch in s:
            if ch in "\\{}":
                out.append("\\" + ch)
            elif ord(ch) > 126:
                out.append(f"\\u{ord(ch) if ord(ch) < 32768 else ord(ch) - 65536}?")
            else:
                out.append(ch)
        return "".join(out)

    paragraphs = []
    for block in text.replace("\r\n", "\n").split("\n\n"):
        lines = [line.rstrip() for line in block.split("\n") if line.strip()]
        if not lines:
            continue
        indents = [len(line) - len(line.lstrip()) for line in lines]
        words = [escape(" ".join(line.split())) for line in lines]
        # A paragraph's first line is indented and the rest are not. A block whose every line is
        # indented is a title (far in), a list's item (four in) or a notice kept by its lines.
        if min(indents) >= 10:
            paragraphs.append("\\qc\\b " + "\\line ".join(words) + "\\b0\\par")
        elif min(indents) >= 4:
            paragraphs.append("\\li360 " + " ".join(words) + "\\par")
        elif min(indents) >= 1:
            paragraphs.append("\\line ".join(words) + "\\par")
        else:
            paragraphs.append(" ".join(words) + "\\par")
    body = "\\pard\\sa120 ".join([""] + paragraphs)
    return ("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Tahoma;}}"
            "\\uc1\\f0\\fs16" + body + "}")


# A row of the Control table: dialog, name, type, position and size, attributes, the property it
# sets, its text, the next control for the Tab key, help.
def text(dialog, name, y, height, words):
    return (dialog, name, "Text", 15, y, WIDTH - 30, height, VISIBLE | ENABLED, "", words, "", "")


def heading(dialog, words):
    return text(dialog, "Heading", 10, 15, f"{{\\{HEADING_STYLE}}}{words}")


def button(dialog, name, right, bottom, words, following):
    """A button whose right and bottom edges are so far from the dialog's."""
    return (dialog, name, "PushButton", WIDTH - right - BUTTON_W, bottom - BUTTON_H - 10, BUTTON_W,
            BUTTON_H, VISIBLE | ENABLED, "", words, following, "")


def tables(licence_text):
    """Each table as (columns, column types, key columns, rows)."""
    dialogs = [
        # Dialog, centred across and down (50 = the middle), size, attributes, title, first
        # control, default button, the button that Esc and the close box press.
        ("LicenceDlg", 50, 50, WIDTH, HEIGHT, VISIBLE | MODAL, "[ProductName] Setup", "Install",
         "Install", "Cancel"),
        # Modeless: it stays up while the files are installed.
        ("ProgressDlg", 50, 50, WIDTH, PROGRESS_HEIGHT, VISIBLE, "[ProductName] Setup", "Progress",
         "", ""),
        ("FinishedDlg", 50, 50, WIDTH, FINISHED_HEIGHT, VISIBLE | MODAL, "[ProductName] Setup",
         "Finish", "Finish", "Finish"),
    ]
    controls = [
        heading("LicenceDlg", "Quorvel's licence"),
        text("LicenceDlg", "Note", 28, 40, LICENCE_NOTE),
        ("LicenceDlg", "Licence", "ScrollableText", 15, 70, WIDTH - 30, 155,
         VISIBLE | ENABLED | SUNKEN, "", rtf(licence_text), "Install", ""),
        ("LicenceDlg", "Line", "Line", 0, HEIGHT - 36, WIDTH, 0, VISIBLE, "", "", "", ""),
        button("LicenceDlg", "Install", 15 + BUTTON_W + 7, HEIGHT, "&Install", "Cancel"),
        button("LicenceDlg", "Cancel", 15, HEIGHT, "Cancel", "Licence"),
        heading("ProgressDlg", "Installing Quorvel"),
        ("ProgressDlg", "Progress", "ProgressBar", 15, 40, WIDTH - 30, 12, VISIBLE, "", "", "",
         ""),
        heading("FinishedDlg", "Quorvel is installed"),
        text("FinishedDlg", "Note", 32, 30, FINISHED_NOTE),
        button("FinishedDlg", "Finish", 15, FINISHED_HEIGHT, "&Finish", "Finish"),
    ]
    events = [
        # Return goes on with the installation; Exit ends it as the user's choice, before
        # anything was installed.
        ("LicenceDlg", "Install", "EndDialog", "Return", "1", 1),
        ("LicenceDlg", "Cancel", "EndDialog", "Exit", "1", 1),
        ("FinishedDlg", "Finish", "EndDialog", "Return", "1", 1),
    ]
    return {
        "TextStyle": (["TextStyle", "FaceName", "Size", "Color", "StyleBits"],
                      ["s72", "s32", "i2", "I4", "I2"], ["TextStyle"],
                      [(TEXT_STYLE, "Tahoma", 8, "", ""), (HEADING_STYLE, "Tahoma", 9, "", 1)]),
        "Dialog": (["Dialog", "HCentering", "VCentering", "Width", "Height", "Attributes", "Title",
                    "Control_First", "Control_Default", "Control_Cancel"],
                   ["s72", "i2", "i2", "i2", "i2", "I4", "L128", "s50", "S50", "S50"], ["Dialog"],
                   dialogs),
        "Control": (["Dialog_", "Control", "Type", "X", "Y", "Width", "Height", "Attributes",
                     "Property", "Text", "Control_Next", "Help"],
                    ["s72", "s50", "s20", "i2", "i2", "i2", "i2", "I4", "S72", "L0", "S50", "L50"],
                    ["Dialog_", "Control"], controls),
        "ControlEvent": (["Dialog_", "Control_", "Event", "Argument", "Condition", "Ordering"],
                         ["s72", "s50", "s50", "s255", "S255", "I2"],
                         ["Dialog_", "Control_", "Event", "Argument", "Condition"], events),
        # The progress bar follows the installation's progress messages.
        "EventMapping": (["Dialog_", "Control_", "Event", "Attribute"],
                         ["s72", "s50", "s50", "s50"], ["Dialog_", "Control_", "Event"],
                         [("ProgressDlg", "Progress", "SetProgress", "Progress")]),
    }


# Where the dialogs come in wixl's InstallUISequence: after costing (1000), before the installation
# runs (1300); -1 is the end of a successful one. Not when Quorvel is already installed and the
# .msi is opened to remove it.
UI_SEQUENCE = [("LicenceDlg", "NOT Installed", 1250), ("ProgressDlg", "NOT Installed", 1280),
               ("FinishedDlg", "NOT Installed", -1)]


def write_idt(folder, name, columns, types, keys, rows):
    """One table in Windows Installer's text archive format; returns its path."""
    lines = ["\t".join(columns), "\t".join(types), "\t".join([name] + keys)]
    for row in rows:
        fields = ["" if value is None else str(value) for value in row]
        if any(c in field for field in fields for c in "\t\r\n"):
            raise ValueError(f"{name}: a value with a tab or a line break: {row[:2]}")
        lines.append("\t".join(fields))
    path = os.path.join(folder, name + ".idt")
    with open(path, "w", encoding="ascii", newline="") as f:
        f.write("\r\n".join(lines) + "\r\n")
    return path


def msibuild_arguments(folder, licence_text):
    """msibuild's options that add the dialogs, their tables written into folder."""
    arguments = []
    for name, (columns, types, keys, rows) in tables(licence_text).items():
        arguments += ["-i", write_idt(folder, name, columns, types, keys, rows)]
    for action, condition, sequence in UI_SEQUENCE:
        arguments += ["-q", "INSERT INTO `InstallUISequence` (`Action`, `Condition`, `Sequence`) "
                            f"VALUES ('{action}', '{condition}', {sequence})"]
    return arguments


if __name__ == "__main__":
    # For the test that presses the buttons: a dialog's size and a control's centre, in dialog
    # units, which it scales to the dialog's window, whatever size the font made it.
    #   installer_ui.py DIALOG [CONTROL]   prints WIDTH HEIGHT [X Y]
    import sys
    tabled = tables("")
    dialog = next(row for row in tabled["Dialog"][3] if row[0] == sys.argv[1])
    where = [dialog[3], dialog[4]]
    if len(sys.argv) > 2:
        control = next(row for row in tabled["Control"][3] if row[:2] == tuple(sys.argv[1:3]))
        where += [control[3] + control[5] // 2, control[4] + control[6] // 2]
    print(*where)
