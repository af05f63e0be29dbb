#include "window/menu_commands.h"

#include "window/calculator_launcher.h"

namespace varnolt {

void cxjs_Click(FormModel &form)
{
    constexpr Field Cleared[] = {Field::Text1, Field::Text2, Field::Text3, Field::Text4,
            Field::Text5, Field::Text7, Field::Text8, Field::Text9, Field::Text11, Field::Text12};
    for (Field field : Cleared)
        form.setText(field, QString());
    form.focusField(Field::Text1);
    form.setVerdict(QString());
    form.setBasinEnabled(false);
}

void jsq_Click()
{
    startCalculator();
}

} // namespace varnolt
