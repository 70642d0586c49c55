#pragma once
// Precompiled header: the standard library, QtCore and the JSON library every unit uses.
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>

#include <nlohmann/json.hpp>
