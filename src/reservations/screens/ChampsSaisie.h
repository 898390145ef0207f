#pragma once

#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QTime>
#include <QWidget>

#include <functional>
#include <optional>

class QToolButton;

namespace velorin {

// Amounts as the entry fields show them: two decimals, the locale's separator, no grouping.
QString texteMontant(double valeur);
// A number typed with either decimal separator, spaces ignored; nothing when it is not one.
std::optional<double> lireNombre(const QString& texte);

// A date field that may be empty: the framework's convention, its minimum date shown blank.
// Typed dates count when the field is left or Enter is pressed, chosen ones at once.
class ChampDate : public QDateEdit {
    Q_OBJECT
public:
    explicit ChampDate(QWidget* parent = nullptr);

    // Null when empty.
    QDate valeur() const;
    bool estVide() const { return !valeur().isValid(); }
    // Shows the date (null empties the field) without counting it as the user's.
    void setValeur(const QDate& date);
    // As the user would: the date is put in and counts as typed.
    void saisir(const QDate& date);

    // The month an empty field's calendar opens on (today when not set or null).
    std::function<QDate()> dateDepart;
    // Opening the calendar of the empty field first puts dateDepart in it, as typed (when
    // dateDepart gives a date).
    bool remplirALOuverture = false;

signals:
    // The user typed or chose a date other than the one shown before (null when emptied).
    void dateModifiee();

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void valider();
    QDate depart() const;

    QDate derniere_;
};

// An arrival or departure time typed as HH:MM: a first digit up to 2, a second up to 3 after
// a 2, minutes from 00 to 59. The field may be left empty.
class SaisieHeure : public QLineEdit {
    Q_OBJECT
public:
    explicit SaisieHeure(QWidget* parent = nullptr);

    bool estVide() const;
    // Null when empty or incomplete.
    QTime heure() const;
    // Shows the time; a null time empties the field.
    void setHeure(const QTime& heure);
    // Whether a digit may go at that position of "HH:MM" with the digits already there.
    static bool chiffreAccepte(const QString& texte, int position, QChar chiffre);

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
};

// An amount field: digits, one decimal separator ("." and "," both give the locale's), a
// minus sign typed into an empty field, and the editing keys.
class SaisieMontant : public QLineEdit {
    Q_OBJECT
public:
    explicit SaisieMontant(QWidget* parent = nullptr);

    // Nothing when empty or not a number.
    std::optional<double> montant() const { return lireNombre(text()); }
    void setMontant(double valeur) { setText(texteMontant(valeur)); }

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
};

// A field of digits only (a count).
class SaisieEntier : public QLineEdit {
    Q_OBJECT
public:
    explicit SaisieEntier(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
};

// A panel under a white title bar; a click on the bar folds or unfolds it.
class PanneauRepliable : public QWidget {
    Q_OBJECT
public:
    PanneauRepliable(const QString& titre, const QString& nom, QWidget* parent = nullptr);

    QWidget* contenu() const { return contenu_; }
    QToolButton* barre() const { return barre_; }
    bool replie() const { return contenu_->isHidden(); }
    void setReplie(bool replie);

signals:
    void replieChange(bool replie);

private:
    QToolButton* barre_ = nullptr;
    QWidget* contenu_ = nullptr;
};

} // namespace velorin
