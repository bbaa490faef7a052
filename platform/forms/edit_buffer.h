#pragma once
#include <string>
#include <string_view>
#include <utility>

namespace plat::forms {

// The text of an edit field with its caret, selection and one level of undo. Positions count
// characters (code points) from 0; the caret never sits between the CR and LF of a line break.
class EditBuffer {
public:
    const std::u32string& chars() const { return m_text; }
    std::string text() const;
    int length() const { return int(m_text.size()); }
    // Replaces everything: caret at the start, nothing selected, nothing to undo.
    void setText(std::u32string text);

    int caret() const { return m_caret; }
    int anchor() const { return m_anchor; }
    int selectionStart() const { return std::min(m_caret, m_anchor); }
    int selectionEnd() const { return std::max(m_caret, m_anchor); }
    bool hasSelection() const { return m_caret != m_anchor; }
    std::u32string selectedChars() const { return m_text.substr(size_t(selectionStart()), size_t(selectionEnd() - selectionStart())); }
    // Clamped into the text and out of any CR LF pair.
    void setSelection(int anchor, int caret);
    void moveCaret(int position, bool extend) { setSelection(extend ? m_anchor : position, position); }

    // 0: no limit. Typing and pasting keep within it; setText does not.
    void setMaxLength(int characters) { m_maxLength = std::max(0, characters); }
    int maxLength() const { return m_maxLength; }
    // A single-line field takes pasted text up to its first line break.
    void setMultiLine(bool on) { m_multiLine = on; }

    // Editing: each returns whether the text changed, and may be undone.
    // `typing` groups a run of typed characters into one undo step.
    bool replaceSelection(std::u32string_view insertion, bool limited, bool typing = false);
    // Whether the last limited replaceSelection dropped characters for want of room.
    bool insertionCut() const { return m_insertionCut; }
    bool deleteBackward();
    bool deleteForward();
    // Swaps the text with the one before the last edit (a second undo redoes).
    bool undo();
    bool canUndo() const { return m_canUndo; }
    // Nothing to undo any more; the text, caret and selection stay.
    void forgetUndo()
    {
        m_canUndo = false;
        m_typing = false;
    }
    // A caret move ends the run of typing that one undo step covers.
    void endTypingRun() { m_typing = false; }

    // Word moves (Ctrl+arrows) and the word a double click selects.
    int previousWordStart(int position) const;
    int nextWordStart(int position) const;
    std::pair<int, int> wordAt(int position) const;

    int clampPosition(int position) const;
    // What a single-line field keeps of an insertion (up to the first line break).
    static std::u32string_view firstLine(std::u32string_view text);

private:
    void remember();
    int characterClass(int position) const;

    std::u32string m_text;
    int m_caret = 0;
    int m_anchor = 0;
    int m_maxLength = 0;
    bool m_multiLine = false;
    std::u32string m_undoText;
    int m_undoCaret = 0;
    int m_undoAnchor = 0;
    bool m_canUndo = false;
    bool m_typing = false;
    bool m_insertionCut = false;
};

} // namespace plat::forms
