// Ways round the plain form: angle brackets, a climb out of the folder, a toolkit header in quotes.
#pragma once

#include <app/Form1.h>
#include "../ui/Window.h"
#include "QtWidgets/QPushButton"
#include <sys/stat.h>
