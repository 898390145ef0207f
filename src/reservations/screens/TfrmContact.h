#pragma once

#include <QWidget>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace velorin {

struct TContact;

// The address frame of a contact: name, address, postal code and town, telephones, mail
// address and country. The contact screen and the host's details screen embed it; a screen
// adds its own lines just before or after the name (civility, first name).
class TfrmContact : public QWidget {
    Q_OBJECT
public:
    explicit TfrmContact(QWidget* parent = nullptr);

    enum class Position { AvantNom, ApresNom };
    // A line of the screen's own inside the frame, so that its caption lines up with the
    // frame's; one line per position.
    void ajouterLigne(Position position, const QString& libelle, QWidget* champ, Qt::Alignment alignement = {});

    // The countries offered, those already used.
    void setPays(const QStringList& pays);

    void afficher(const TContact& contact);
    // Copies the frame's fields into contact, leaving its other fields as they are.
    void lire(TContact& contact) const;

    QLineEdit* edNom() const { return edNom_; }
    QLineEdit* edAdr1() const { return edAdr1_; }
    QLineEdit* edAdr2() const { return edAdr2_; }
    QLineEdit* edAdr3() const { return edAdr3_; }
    QLineEdit* edCodPost() const { return edCodPost_; }
    QLineEdit* edVille() const { return edVille_; }
    QLineEdit* edTel() const { return edTel_; }
    QLineEdit* edFax() const { return edFax_; }
    QLineEdit* edMail() const { return edMail_; }
    QComboBox* cbPays() const { return cbPays_; }

    // The characters a telephone field accepts: digits, space, "(", ")" and "+".
    static bool texteTelephoneValide(const QString& texte);

signals:
    // Any field changed by the user.
    void modifie();

private:
    QLineEdit* champTexte(const QString& nom, int longueurMax);
    QLabel* libelle(const QString& texte, QWidget* champ);

    QGridLayout* grille_ = nullptr;
    QLineEdit* edNom_ = nullptr;
    QLineEdit* edAdr1_ = nullptr;
    QLineEdit* edAdr2_ = nullptr;
    QLineEdit* edAdr3_ = nullptr;
    QLineEdit* edCodPost_ = nullptr;
    QLineEdit* edVille_ = nullptr;
    QLineEdit* edTel_ = nullptr;
    QLineEdit* edFax_ = nullptr;
    QLineEdit* edMail_ = nullptr;
    QComboBox* cbPays_ = nullptr;
};

} // namespace velorin
