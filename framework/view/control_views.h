#pragma once

#include "framework/canvas.h"
#include "framework/label.h"
#include "framework/line.h"
#include "framework/push_button.h"
#include "framework/radio_button.h"
#include "framework/text_area.h"
#include "framework/text_edit.h"
#include "framework/view/control_view.h"

#include <memory>

namespace fw::view {

// The views of the control kinds, each in the window's content area.
std::unique_ptr<ControlView> MakeCanvasView(Canvas &model, WindowView &window);
std::unique_ptr<ControlView> MakeLineView(Line &model, WindowView &window);
std::unique_ptr<ControlView> MakePushButtonView(PushButton &model, WindowView &window);
std::unique_ptr<ControlView> MakeRadioButtonView(RadioButton &model, WindowView &window);
std::unique_ptr<ControlView> MakeLabelView(Label &model, WindowView &window);
std::unique_ptr<ControlView> MakeTextFieldView(TextField &model, WindowView &window);
std::unique_ptr<ControlView> MakeTextAreaView(TextArea &model, WindowView &window);

} // namespace fw::view
