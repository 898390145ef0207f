#include "ui/EditMajuscules.h"

#include <QValidator>

namespace velorin {

namespace {
// Turns the text into capitals as it is typed, before the edit reports the change.
class ValidateurMajuscules : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int&) const override
    {
        texte = texte.toUpper();
        return Acceptable;
    }
};
} // namespace

EditMajuscules::EditMajuscules(QWidget* parent) : QLineEdit(parent) { setValidator(new ValidateurMajuscules(this)); }

} // namespace velorin
