// A logic file that reaches up into the windows and includes a widget: both are to be caught.
#pragma once

#include "ui/Window.h"

#include <QWidget>
