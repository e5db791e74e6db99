// TwoInputForm: the A and B buttons of the two-input logic windows.
#include "topics/logic/two_input_form.h"

namespace orr {

void TwoInputForm::Trigger_Click(int index)
{
    if (index == 0)
        A = !A;
    else if (index == 1)
        B = !B;
    else
        return;
    results();
}

}  // namespace orr
