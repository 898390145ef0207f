#pragma once

#include "app/Reglages.h"
#include "ui/T_FrmSaisieStd.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velorin {

// "Paramétrage de l'envoi des mails": how documents are mailed, in one of three modes, and
// the four keys of info.ini [Missivo] written together by OK.
class TFrmParamMessagerie : public T_FrmSaisieStd {
    Q_OBJECT
public:
    enum class Mode { Ancien, Vista, Assistant };

    explicit TFrmParamMessagerie(ContexteEcrans& contexte, QWidget* parent = nullptr);

    Mode mode() const;
    // The four keys as the screen would write them.
    ReglagesMessagerie reglages() const;

    // "Parcourir": the second mode, and a program picked among the executables.
    void Parcourir();

protected:
    bool Valider() override;

private:
    void actualiserControles();

    QRadioButton* rbAncien_ = nullptr;
    QRadioButton* rbVista_ = nullptr;
    QRadioButton* rbAssistant_ = nullptr;
    QLineEdit* edProgMail_ = nullptr;
    QPushButton* btnParcourir_ = nullptr;
    QCheckBox* cbFermerProg_ = nullptr;
    QCheckBox* cbGarderFerme_ = nullptr;
};

} // namespace velorin
