#pragma once

#include <QLineEdit>
#include <QVariant>

namespace velorin {

// An edit box for an amount or a rate. Typing accepts digits, one decimal separator (a typed
// "." or "," becomes the locale's), a "-" only into an empty box, and the editing keys;
// any other character is refused. Pasted text is held to the same form.
class EditNombre : public QLineEdit {
    Q_OBJECT
public:
    explicit EditNombre(QWidget* parent = nullptr);

    // The number typed; null when the box is empty or holds only "-". ok is false when the
    // text is not a number.
    QVariant valeur(bool* ok = nullptr) const;
    // Shows the value as the program writes numbers; empty for null.
    void setValeur(const QVariant& valeur);

    // The locale's decimal separator.
    static QChar separateur();
    // The number of a text typed with either separator; null for an empty text or a lone "-".
    static QVariant lire(const QString& texte, bool* ok = nullptr);

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
};

} // namespace velorin
