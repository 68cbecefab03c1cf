#pragma once
// What a scripted answer does to a dialog: a list of the person's actions on its controls, taken in
// order once the dialog's modal loop runs, as if the person did them (typing goes through the
// field's limits and notifies, a press runs the button's handler).

#include <string>
#include <vector>

namespace platform {

struct DialogAction {
    enum class Kind {
        Type,    // select the whole field and type `text` into it
        Check,   // click a check box or radio button until its state is `value` (0 or 1)
        Choose,  // a combo box, list box or icon list: the person picks item `value` (a multiple
                 // selection list toggles it)
        Press,   // click the push button
    };
    Kind kind = Kind::Press;
    int controlId = 0;
    std::string text;
    int value = 0;

    static DialogAction TypeText(int id, std::string typed) { return {Kind::Type, id, std::move(typed), 0}; }
    static DialogAction Check(int id, int state = 1) { return {Kind::Check, id, {}, state}; }
    static DialogAction Choose(int id, int item) { return {Kind::Choose, id, {}, item}; }
    static DialogAction Press(int id) { return {Kind::Press, id, {}, 0}; }
};

using DialogActions = std::vector<DialogAction>;

}  // namespace platform
