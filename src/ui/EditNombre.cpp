#include "ui/EditNombre.h"

#include "app/NombresFr.h"

#include <QKeyEvent>
#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace velorin {

EditNombre::EditNombre(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*([.,][0-9]*)?")), this));
}

QChar EditNombre::separateur()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

QVariant EditNombre::lire(const QString& texte, bool* ok)
{
    if (ok) *ok = true;
    QString t = texte.trimmed();
    if (t.isEmpty() || t == QLatin1String("-")) return {};
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    // "12." and ".5" are numbers as typed.
    if (t.endsWith(QLatin1Char('.'))) t += QLatin1Char('0');
    if (t.startsWith(QLatin1Char('.'))) t.prepend(QLatin1Char('0'));
    if (t.startsWith(QLatin1String("-."))) t.insert(1, QLatin1Char('0'));
    bool lu = false;
    const double nombre = QLocale::c().toDouble(t, &lu);
    if (ok) *ok = lu;
    return lu ? QVariant(nombre) : QVariant();
}

QVariant EditNombre::valeur(bool* ok) const
{
    return lire(text(), ok);
}

void EditNombre::setValeur(const QVariant& valeur)
{
    setText(valeur.isNull() ? QString() : nombres::texte(valeur.toDouble()));
}

void EditNombre::keyPressEvent(QKeyEvent* evenement)
{
    const QString texte = evenement->text();
    const bool raccourci = evenement->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (texte.size() != 1 || raccourci || !texte.front().isPrint()) {
        // Editing and moving keys, backspace, tab and enter.
        QLineEdit::keyPressEvent(evenement);
        return;
    }
    const QChar c = texte.front();
    // What stays of the box once the typed character replaces the selection.
    QString reste = text();
    if (hasSelectedText()) reste.remove(selectionStart(), selectedText().size());
    if (c.isDigit()) {
        QLineEdit::keyPressEvent(evenement);
    } else if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
        if (!reste.contains(QLatin1Char('.')) && !reste.contains(QLatin1Char(','))) insert(QString(separateur()));
    } else if (c == QLatin1Char('-')) {
        if (reste.isEmpty()) QLineEdit::keyPressEvent(evenement);
    }
    evenement->accept();
}

} // namespace velorin
