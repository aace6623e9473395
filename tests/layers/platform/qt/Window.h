// Keeps to its layer: the Qt services of platform/qt may use Qt.
#pragma once

#include <QWidget>

#include "platform/MessageBox.h"
