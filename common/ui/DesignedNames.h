#pragma once

#include <QString>
#include <QWidget>

#include <initializer_list>
#include <utility>

namespace palimora {

// Gives each control its designed name as its objectName: the members say
// what a control is for, the designed names stay the ones the settings
// table, the tests and the window's description find it by.
inline void GiveDesignedNames(std::initializer_list<std::pair<QWidget*, const char*>> controls) {
    for (const auto& [control, name] : controls) {
        if (control) control->setObjectName(QString::fromLatin1(name));
    }
}

}  // namespace palimora
