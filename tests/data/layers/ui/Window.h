// A window file including the layer below it, which is allowed.
#pragma once

#include "kit/Bad.h"

#include <QWidget>
