#pragma once

#include <nlohmann/json.hpp>

// Stored documents keep their member order, so every JSON value of the program is ordered.
using TKWJson = nlohmann::ordered_json;
