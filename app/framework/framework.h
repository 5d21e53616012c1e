// The installer's small form framework: a top-level window and its controls
// built from a design table, events delivered to handlers, control
// properties (text, visibility, height, progress position, current page),
// and the message loop.
#pragma once
#include "app/framework/design.h"
#include "app/framework/form.h"
