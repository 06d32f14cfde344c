// Scripted prompts and fixtures are header-only; this keeps the support library non-empty.
#include "ScriptedPrompts.h"
