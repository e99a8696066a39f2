#pragma once

#include "styles/VisitorExtras.h"
#include "styles/ui/SettingBinders.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace palimora {

// The controls of the visitor extras, spread over the three notebooks'
// extras tabs, all bound to the one settings line that holds them: a change
// to any control rewrites that line with the others as they stand.
class ExtrasBinder : public SettingBinder {
public:
    struct Controls {
        QCheckBox* download = nullptr;
        QCheckBox* archive = nullptr;
        QCheckBox* slideshow = nullptr;
        QSpinBox* slideSeconds = nullptr;
        QComboBox* scheme = nullptr;
        QCheckBox* facts = nullptr;
        QCheckBox* feed = nullptr;
    };
    ExtrasBinder(BindingContext& context, Controls controls);
    void Load(const ShownProject& project) override;
    // The scheme list's items in the program's language.
    void ApplyLanguage();

private:
    void Show(const VisitorExtras& extras);
    void StoreChanged();
    Controls controls_;
};

}  // namespace palimora
