// A message box seam for the benchmark's programs: every box is answered with
// its default button and never shown.
#pragma once

#include "messagebox.h"

namespace bench {

class QuietBoxes : public ui::MessageBoxes {
public:
    ui::MsgAnswer ask(QWidget *, const ui::MessageBoxRequest &request) override
    {
        return request.defaultButton;
    }
};

} // namespace bench
