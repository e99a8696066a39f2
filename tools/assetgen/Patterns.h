#pragma once

#include <QDir>

// Writes the background patterns into `folder`; false when one could not be saved.
bool WritePatterns(const QDir& folder);
