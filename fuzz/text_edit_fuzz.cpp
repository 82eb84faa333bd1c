// Runs arbitrary sequences of editing operations on the text editing model:
// every byte picks an operation, the following bytes give its arguments.
// After each step the caret and the selection must lie inside the text and
// within the length limit, and undoing everything must give back the text the
// edits (or the last text the program set) started from.
#include "platform/text/TextEditModel.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The input as a stream of small numbers; zeros once it is used up.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) { }
    bool Done() const { return m_at >= m_size; }
    int Next() { return m_at < m_size ? m_data[m_at++] : 0; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at { 0 };
};

// Short texts from a small alphabet, so that words, blanks and repeated
// characters meet often.
std::u32string SomeText(Bytes& in)
{
    static constexpr char32_t alphabet[] = { U'a', U'b', U' ', U'中', U'\n', U'x' };
    std::u32string text;
    for (int n = in.Next() % 5; n > 0; --n)
        text += alphabet[in.Next() % std::size(alphabet)];
    return text;
}

void CheckInside(const text::TextEditModel& model)
{
    const int length = model.Length();
    if (model.Caret() < 0 || model.Caret() > length || model.SelStart() < 0
        || model.SelStart() + model.SelLength() > length || (model.MaxLength > 0 && length > model.MaxLength))
        std::abort();
    (void)model.SelectedText();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes in(data, size);
    text::TextEditModel model;
    model.SetText(SomeText(in) + SomeText(in));
    std::u32string start = model.Text();
    // Sometimes a length limit, never below the starting text.
    const int limit = in.Next() % 8;
    model.MaxLength = limit == 0 ? 0 : model.Length() + limit;
    for (int steps = 0; !in.Done() && steps < 200; ++steps) {
        const int operation = in.Next() % 11;
        const int at = in.Next() % (model.Length() + 2);
        switch (operation) {
        case 0: model.MoveCaret(at, false); break;
        case 1: model.MoveCaret(at, true); break;
        case 2: model.SetSelection(at, in.Next() % 6); break;
        case 3: model.SelectAll(); break;
        case 4: model.SelectWordAt(at); break;
        case 5: model.ReplaceSelection(SomeText(in)); break;
        case 6: model.DeleteForward(); break;
        case 7: model.DeleteBackward(); break;
        case 8: model.DeleteSelection(); break;
        case 9:
            // The program sets another text: undo starts again from there.
            if (model.SetText(SomeText(in))) {
                if (model.CanUndo())
                    std::abort();
                start = model.Text();
            }
            if (model.MaxLength > 0)
                model.MaxLength = std::max(model.MaxLength, model.Length());
            break;
        default: model.MoveCaret(in.Next() % 2 ? model.NextWordStart(at) : model.PreviousWordStart(at), in.Next() % 2); break;
        }
        CheckInside(model);
    }
    while (model.CanUndo()) {
        model.Undo();
        CheckInside(model);
    }
    if (model.Text() != start)
        std::abort();
    return 0;
}
