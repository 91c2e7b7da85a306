#pragma once
// The text property of a component: a window's caption, an edit box's content.

#include "app/form_description.h"
#include "services/text.h"

namespace gamereg {

// A copy of the text; none when it is empty.
Text GetControlText(WindowId window, ComponentId component);

// Sets the text (none stands for ""). An edit box raises its content-changed
// event exactly once per call; a window recomputes its caption-bar styles.
void SetControlText(WindowId window, ComponentId component, const Text& text);

}  // namespace gamereg
