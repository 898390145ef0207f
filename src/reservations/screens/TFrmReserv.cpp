#include "reservations/screens/TFrmReserv.h"

#include "reservations/screens/BranchementEcrans.h"
#include "reservations/screens/TCadreReserv.h"
#include "store/DMVelorin.h"
#include "ui/Navigateur.h"

#include <QVBoxLayout>

namespace velorin {

namespace {

// The reservations the window moves among. A changed reservation is checked and saved before
// another is shown; a refused one keeps the window where it is.
class SourceReservations : public SourceSaisie {
public:
    SourceReservations(TCadreReserv& cadre, QList<int> reservations, int position, QObject* parent)
        : SourceSaisie(parent)
        , cadre_(cadre)
        , reservations_(std::move(reservations))
        , position_(qBound(0, position, qMax(0, int(reservations_.size()) - 1)))
    {
    }

    void ouvrir() override
    {
        if (position_ < reservations_.size()) cadre_.OuvrirReservation(reservations_.at(position_));
        emit enregistrementChange();
    }
    bool enEdition() const override { return cadre_.modifiee(); }
    // The window's OK has checked and saved it already.
    void enregistrer() override { }
    void annuler() override { cadre_.Abandonner(); }
    void premier() override { aller(0); }
    void precedent() override { aller(position_ - 1); }
    void suivant() override { aller(position_ + 1); }
    void dernier() override { aller(int(reservations_.size()) - 1); }

private:
    void aller(int position)
    {
        if (position < 0 || position >= reservations_.size() || position == position_) return;
        if (!cadre_.EnregistrerSiModifiee()) return;
        position_ = position;
        ouvrir();
    }

    TCadreReserv& cadre_;
    QList<int> reservations_;
    int position_ = 0;
};

} // namespace

TFrmReserv::TFrmReserv(ContexteEcrans& contexte, QList<int> reservations, int position, QWidget* parent)
    : T_FrmSaisie(contexte, parent)
{
    setWindowTitle(QStringLiteral("Reservation"));
    auto* disposition = new QVBoxLayout(centre());
    disposition->setContentsMargins(6, 6, 6, 6);
    cadre_ = new TCadreReserv(contexte, centre());
    brancherEcransReservation(*cadre_, contexte);
    disposition->addWidget(cadre_);
    cadre_->ChoisirDisposition(1);
    cadre_->AfficherRepas(contexte.velorin.options().memoire().AffRepas);
    cadre_->RemplirListes();
    ajouterCadre(cadre_);
    const bool plusieurs = reservations.size() > 1;
    DefinirSource(new SourceReservations(*cadre_, std::move(reservations), position, this));
    navigateur()->setVisible(plusieurs);
    resize(1320, 640);
}

TFrmReserv::TFrmReserv(ContexteEcrans& contexte, int reservation, QWidget* parent)
    : TFrmReserv(contexte, QList<int>{reservation}, 0, parent)
{
}

QList<TLargeurCol> TFrmReserv::collecterLargeurs()
{
    return cadre_->largeursColonnes();
}

void TFrmReserv::appliquerLargeurs()
{
    cadre_->appliquerLargeurs(largeurs());
}

bool TFrmReserv::Valider()
{
    return cadre_->EnregistrerSiModifiee();
}

} // namespace velorin
