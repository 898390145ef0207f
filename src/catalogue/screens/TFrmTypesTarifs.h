#pragma once

#include "ui/T_FrmRecherchePI.h"

#include <QSqlRecord>

class QCheckBox;

namespace velorin {

class TFrmTypeTarif;

// The list of tariff types: adds, changes and deletes them. "Masquer les types de tarifs
// obsolètes" leaves out the types whose period ended before today; its state is kept with
// the screen's place.
//
// Menu entry "&Types de tarifs": (new TFrmTypesTarifs(contexte))->afficherEnfant().
class TFrmTypesTarifs : public T_FrmRecherchePI {
    Q_OBJECT
public:
    explicit TFrmTypesTarifs(ContexteEcrans& contexte, QWidget* parent = nullptr);

    bool masquerObsoletes() const;
    void setMasquerObsoletes(bool masquer);

    void Ajouter() override;
    void Supprimer() override;
    void Modifier();

signals:
    // The edit screen is about to be shown (tests fill it in).
    void ficheOuverte(TFrmTypeTarif* fiche);

protected:
    void doubleClicGrille() override;
    void preparerAffichage() override;
    void enregistrerFermeture() override;

private:
    void appliquerMasque();
    void editer(const QSqlRecord& ligne, bool nouveau);

    QCheckBox* cbMasquer_ = nullptr;
};

} // namespace velorin
