# The desktop framework over Qt: windows, controls, menus, pictures, alerts and
# the application's run-time entry. Its public headers never include Qt, so
# the program's own code builds without it; Qt stays private to this target.
add_library(tandrel_framework STATIC
  app_runtime.cpp
  application.cpp
  canvas.cpp
  control.cpp
  font_control.cpp
  label.cpp
  line.cpp
  menu_delivery.cpp
  menu_handlers.cpp
  menu_item.cpp
  picture.cpp
  push_button.cpp
  radio_button.cpp
  rect_control.cpp
  text_area.cpp
  text_edit.cpp
  timer.cpp
  window.cpp
  window_operations.cpp
  view/button_views.cpp
  view/control_view.cpp
  view/label_views.cpp
  view/menu_view.cpp
  view/qt_presenter.cpp
  view/qt_support.cpp
  view/text_area_edits.cpp
  view/text_area_view.cpp
  view/text_field_view.cpp
  view/window_view.cpp
)
target_link_libraries(tandrel_framework PUBLIC tandrel_framework_core PRIVATE Qt6::Widgets)
tandrel_warnings(tandrel_framework)
