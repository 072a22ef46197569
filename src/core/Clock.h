#pragma once

#include <QDateTime>

#include <functional>

/// The local date and time; tests fix it.
using Clock = std::function<QDateTime()>;
