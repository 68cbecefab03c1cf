#pragma once
// A game message that, once open, gets the person's answer: a look at the opened dialog, then a
// click on a control (the repeat box first when asked), posted so that the modal loop takes it.

#include "dialogs/DialogIds.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/WindowApi.h"

#include <functional>

namespace testsupport {

template <class Message>
class Answered : public Message {
public:
    using Message::Message;
    int click = 0;
    bool repeat = false;
    std::function<void(Answered&)> onOpen;

    bool OnInitDialog() override {
        const bool result = Message::OnInitDialog();
        if (onOpen) onOpen(*this);
        if (repeat) ::PostMessage(this->GetDlgItem(IDC_REPEAT_BOX), BM_CLICK, 0, 0);
        if (click) ::PostMessage(this->GetDlgItem(click), BM_CLICK, 0, 0);
        return result;
    }
};

}  // namespace testsupport
