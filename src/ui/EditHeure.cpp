#include "ui/EditHeure.h"

#include <QKeyEvent>

namespace velorin {

EditHeure::EditHeure(QWidget* parent)
    : QLineEdit(parent)
{
    setInputMask(QStringLiteral("99:99;_"));
    setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 24);
}

bool EditHeure::estVide() const
{
    QString chiffres = text();
    chiffres.remove(QLatin1Char(':'));
    return chiffres.trimmed().isEmpty();
}

QTime EditHeure::heure(bool* ok) const
{
    if (estVide()) {
        if (ok) *ok = true;
        return {};
    }
    const QTime lue = QTime::fromString(text(), QStringLiteral("hh:mm"));
    if (ok) *ok = lue.isValid();
    return lue;
}

void EditHeure::setHeure(const QTime& heure)
{
    if (heure.isValid())
        setText(heure.toString(QStringLiteral("hh:mm")));
    else
        clear();
}

void EditHeure::keyPressEvent(QKeyEvent* evenement)
{
    const QString texte = evenement->text();
    if (texte.size() == 1 && texte.front().isDigit()) {
        int position = hasSelectedText() ? selectionStart() : cursorPosition();
        if (position == 2) position = 3; // the separator is skipped
        const int chiffre = texte.front().digitValue();
        const QString actuel = displayText();
        bool accepte = true;
        switch (position) {
        case 0: accepte = chiffre <= 2; break;
        case 1: accepte = actuel.at(0) != QLatin1Char('2') || chiffre <= 3; break;
        case 3: accepte = chiffre <= 5; break;
        case 4: break;
        default: accepte = false; break;
        }
        if (!accepte) {
            evenement->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(evenement);
}

} // namespace velorin
