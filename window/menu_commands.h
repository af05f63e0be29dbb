#pragma once

#include "model/form_model.h"

namespace varnolt {

// 重新计算: empties the quantities and results for a new calculation, keeping
// the two coefficients, and locks the basin button until a jump check finds a
// remote jump again. The record of quantities is left alone.
void cxjs_Click(FormModel &form);

// 计算器: opens the desktop calculator for side calculations.
void jsq_Click();

} // namespace varnolt
