// Must not compile: the record layer does not see the rules above it.
#include "rules/creation_state.h"
