// The main dialog's caption as the tests expect it: "Quillet - ver " followed by the project's
// version, which the build writes into quillet_version.h.
#pragma once

#include "quillet_version.h"

constexpr char kMainCaption[] = "Quillet - ver " QUILLET_VERSION_TEXT;
