#pragma once

#include "ui/T_FrmSaisieStd.h"

#include <QSqlRecord>

#include <functional>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QSpinBox;

namespace velorin {

// "Type de tarif": creation or change of one tariff type (name, validity period, package
// length, week days, meals included). "&OK" saves it; the navigator moves among the types by
// name, saving the changes first.
class TFrmTypeTarif : public T_FrmSaisieStd {
    Q_OBJECT
public:
    // ligne comes from CreerTypeTarif (nouveau) or ModifierTypeTarif.
    TFrmTypeTarif(ContexteEcrans& contexte, const QSqlRecord& ligne, bool nouveau, QWidget* parent = nullptr);

    const QSqlRecord& ligne() const { return ligne_; }
    bool nouveau() const { return nouveau_; }
    int identifiant() const;
    bool modifie() const;

    // The input box asking the name of the half-board meal (a test supplies its own).
    void setDemandeNom(std::function<QString()> demande) { demandeNom_ = std::move(demande); }

protected:
    bool Valider() override;

private:
    void construire();
    void charger(const QSqlRecord& ligne, bool nouveau);
    void appliquerControles(QSqlRecord& ligne) const;
    bool enregistrer();
    void naviguer(const std::function<int(int position, int nombre)>& cible);
    void avecRepasCoche(bool coche);
    QString demanderNomDemiPension();

    QSqlRecord ligne_;
    QSqlRecord origine_;
    bool nouveau_ = false;
    std::function<QString()> demandeNom_;

    QLineEdit* edNom_ = nullptr;
    QDateEdit* edPerDeb_ = nullptr;
    QDateEdit* edPerFin_ = nullptr;
    QSpinBox* edNbJours_ = nullptr;
    QList<QCheckBox*> jours_;
    QCheckBox* cbAvecRepas_ = nullptr;
};

} // namespace velorin
