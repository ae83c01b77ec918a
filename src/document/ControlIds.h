#pragma once

#include "platform/ControlId.h"

// Every control of the windows, once, with the kind it is declared as in the
// inventory (app/MainWindowInventory.cpp, app/DialogInventory.cpp). Operations
// name controls through these handles; the names are those the script driver,
// the settings file and the caption tables speak.
namespace trajecta::ids {

// Windows.
inline constexpr WindowId KeyPointsBezier{"KeyPointsBezier"};
inline constexpr WindowId TFparametres{"TFparametres"};

// Modal dialogs.
inline constexpr DialogId TFAide{"TFAide"};
inline constexpr DialogId TFApropos{"TFApropos"};
inline constexpr DialogId TFExtras{"TFExtras"};
inline constexpr DialogId TFtraitePhoto{"TFtraitePhoto"};

// Menu items.
inline constexpr MenuItemId AnnulerAction{"AnnulerAction"};
inline constexpr MenuItemId Apropos{"Apropos"};
inline constexpr MenuItemId ChargerExemple{"ChargerExemple"};
inline constexpr MenuItemId Commencer{"Commencer"};
inline constexpr MenuItemId Edition{"Edition"};
inline constexpr MenuItemId English{"English"};
inline constexpr MenuItemId F2MilieuEcran1{"F2MilieuEcran1"};
inline constexpr MenuItemId Fichier{"Fichier"};
inline constexpr MenuItemId French{"French"};
inline constexpr MenuItemId Langage{"Langage"};
inline constexpr MenuItemId Options{"Options"};
inline constexpr MenuItemId Parametres{"Parametres"};
inline constexpr MenuItemId RetablirAction{"RetablirAction"};
inline constexpr MenuItemId VoirF2{"VoirF2"};

// Panels.
inline constexpr PanelId Pn3D{"Pn3D"};
inline constexpr PanelId Pn3Ddeb{"Pn3Ddeb"};
inline constexpr PanelId Pn3Dfin{"Pn3Dfin"};
inline constexpr PanelId PnAnnulePara{"PnAnnulePara"};
inline constexpr PanelId PnAnnulerTout{"PnAnnulerTout"};
inline constexpr PanelId PnCoche3D{"PnCoche3D"};
inline constexpr PanelId PnCreation{"PnCreation"};
inline constexpr PanelId PnFinPara{"PnFinPara"};
inline constexpr PanelId Pnl_ImagesBoutons{"Pnl_ImagesBoutons"};
inline constexpr PanelId Pnl_nouvel_objet{"Pnl_nouvel_objet"};
inline constexpr PanelId PnlAide{"PnlAide"};
inline constexpr PanelId PnlAppliquer{"PnlAppliquer"};
inline constexpr PanelId PnlCadre{"PnlCadre"};
inline constexpr PanelId PnlAccueil{"PnlAccueil"};
inline constexpr PanelId PnlDureeTotale{"PnlDureeTotale"};
inline constexpr PanelId PnlQPoints{"PnlQPoints"};
inline constexpr PanelId PnlChargeObjetPte{"PnlChargeObjetPte"};
inline constexpr PanelId PnlChargerFichier{"PnlChargerFichier"};
inline constexpr PanelId PnlChoixCouleur{"PnlChoixCouleur"};
inline constexpr PanelId PnlCoordSouris{"PnlCoordSouris"};
inline constexpr PanelId PnlDockAffichageDest{"PnlDockAffichageDest"};
inline constexpr PanelId PnlDockAffichageOrg{"PnlDockAffichageOrg"};
inline constexpr PanelId PnlDockAideDest{"PnlDockAideDest"};
inline constexpr PanelId PnlDockAideOrg{"PnlDockAideOrg"};
inline constexpr PanelId PnlDockDestEtapes{"PnlDockDestEtapes"};
inline constexpr PanelId PnlDockDestExtras{"PnlDockDestExtras"};
inline constexpr PanelId PnlDockFondDest{"PnlDockFondDest"};
inline constexpr PanelId PnlDockFondOrg{"PnlDockFondOrg"};
inline constexpr PanelId PnlDockLePoint{"PnlDockLePoint"};
inline constexpr PanelId PnlDockOKtoutDest{"PnlDockOKtoutDest"};
inline constexpr PanelId PnlDockOKtoutOrg{"PnlDockOKtoutOrg"};
inline constexpr PanelId PnlDockOrgEtapes{"PnlDockOrgEtapes"};
inline constexpr PanelId PnlDockOrgExtras{"PnlDockOrgExtras"};
inline constexpr PanelId PnlDockParasDest{"PnlDockParasDest"};
inline constexpr PanelId PnlDockParasOrg{"PnlDockParasOrg"};
inline constexpr PanelId PnlDockPointsSurCourbeDest{"PnlDockPointsSurCourbeDest"};
inline constexpr PanelId PnlDockPointsSurCourbeOrg{"PnlDockPointsSurCourbeOrg"};
inline constexpr PanelId PnlDockTemps{"PnlDockTemps"};
inline constexpr PanelId PnlEffacerCadre{"PnlEffacerCadre"};
inline constexpr PanelId PnlEnregistrerCourbe{"PnlEnregistrerCourbe"};
inline constexpr PanelId PnlEtendueRalenti{"PnlEtendueRalenti"};
inline constexpr PanelId PnlExporterSvg{"PnlExporterSvg"};
inline constexpr PanelId PnlExtras{"PnlExtras"};
inline constexpr PanelId PnlFaireRalenti{"PnlFaireRalenti"};
inline constexpr PanelId PnlFond{"PnlFond"};
inline constexpr PanelId PnlFondEtCourbe{"PnlFondEtCourbe"};
inline constexpr PanelId PnlGroupeFleches{"PnlGroupeFleches"};
inline constexpr PanelId PnlLbxSauve{"PnlLbxSauve"};
inline constexpr PanelId PnlLecture{"PnlLecture"};
inline constexpr PanelId PnlLePoint{"PnlLePoint"};
inline constexpr PanelId PnlOKcourbe{"PnlOKcourbe"};
inline constexpr PanelId PnlImporterSvg{"PnlImporterSvg"};
inline constexpr PanelId PnlOKtout{"PnlOKtout"};
inline constexpr PanelId PnlOptionsTemps{"PnlOptionsTemps"};
inline constexpr PanelId PnlPartiesBz{"PnlPartiesBz"};
inline constexpr PanelId PnlPointsSurCourbe{"PnlPointsSurCourbe"};
inline constexpr PanelId PnlPourDockGbxPara{"PnlPourDockGbxPara"};
inline constexpr PanelId PnlPourDockLePoint{"PnlPourDockLePoint"};
inline constexpr PanelId PnlRefairePoints{"PnlRefairePoints"};
inline constexpr PanelId PnlRetourPC{"PnlRetourPC"};
inline constexpr PanelId PnlRien{"PnlRien"};
inline constexpr PanelId PnlSliver{"PnlSliver"};
inline constexpr PanelId PnlStopMarquage{"PnlStopMarquage"};
inline constexpr PanelId PnlSupVoir{"PnlSupVoir"};
inline constexpr PanelId PnlTempsConstant{"PnlTempsConstant"};
inline constexpr PanelId PnlTempsDebFin{"PnlTempsDebFin"};
inline constexpr PanelId PnlTempsPerso{"PnlTempsPerso"};
inline constexpr PanelId PnlTout{"PnlTout"};
inline constexpr PanelId PnlTransfertEtRetour{"PnlTransfertEtRetour"};
inline constexpr PanelId PnlTransfertSeul{"PnlTransfertSeul"};
inline constexpr PanelId PnlVitConst{"PnlVitConst"};
inline constexpr PanelId PnlVoir{"PnlVoir"};
inline constexpr PanelId PnlVoisSup{"PnlVoisSup"};
inline constexpr PanelId PnMessages{"PnMessages"};
inline constexpr PanelId PnOKPara{"PnOKPara"};
inline constexpr PanelId PnParaDeb{"PnParaDeb"};
inline constexpr PanelId PnParaFin{"PnParaFin"};
inline constexpr PanelId PnRefaire{"PnRefaire"};

// Group boxes.
inline constexpr GroupBoxId GbxActionsCourbeIntacte{"GbxActionsCourbeIntacte"};
inline constexpr GroupBoxId GbxAffichage{"GbxAffichage"};
inline constexpr GroupBoxId GbxInfoParaPoint{"GbxInfoParaPoint"};
inline constexpr GroupBoxId GbxParaSurQuoi{"GbxParaSurQuoi"};
inline constexpr GroupBoxId GbxTemps{"GbxTemps"};

// Labels (also the labels that act as buttons).
inline constexpr LabelId BtnExtrasAnnuler{"BtnExtrasAnnuler"};
inline constexpr LabelId BtnOKAide{"BtnOKAide"};
inline constexpr LabelId BtnAnnulerTraitePhoto{"BtnAnnulerTraitePhoto"};
inline constexpr LabelId BtnOKTraitePhoto{"BtnOKTraitePhoto"};
inline constexpr LabelId Label10{"Label10"};
inline constexpr LabelId LbCreation{"LbCreation"};
inline constexpr LabelId LbInfos{"LbInfos"};
inline constexpr LabelId LbiSupFin{"LbiSupFin"};
inline constexpr LabelId Lbl1erKP{"Lbl1erKP"};
inline constexpr LabelId Lbl3DiDebut{"Lbl3DiDebut"};
inline constexpr LabelId Lbl3DiFin{"Lbl3DiFin"};
inline constexpr LabelId LblAccueil{"LblAccueil"};
inline constexpr LabelId LblAide{"LblAide"};
inline constexpr LabelId LblAllerAAuRalenti{"LblAllerAAuRalenti"};
inline constexpr LabelId LblAngleRelTang{"LblAngleRelTang"};
inline constexpr LabelId LblAngletangente{"LblAngletangente"};
inline constexpr LabelId LblAppliquer{"LblAppliquer"};
inline constexpr LabelId LblCadre{"LblCadre"};
inline constexpr LabelId LblChargerFichier{"LblChargerFichier"};
inline constexpr LabelId LblChoisirPhoto{"LblChoisirPhoto"};
inline constexpr LabelId LblChoixDep{"LblChoixDep"};
inline constexpr LabelId LblChoixFin{"LblChoixFin"};
inline constexpr LabelId LblChoixProportionnel{"LblChoixProportionnel"};
inline constexpr LabelId LblChoixTemps{"LblChoixTemps"};
inline constexpr LabelId LblCliquerCouleur{"LblCliquerCouleur"};
inline constexpr LabelId LblCoordPourCent{"LblCoordPourCent"};
inline constexpr LabelId LblCoordSouris{"LblCoordSouris"};
inline constexpr LabelId LblDeplaceCurseur{"LblDeplaceCurseur"};
inline constexpr LabelId LblEffacerCadre{"LblEffacerCadre"};
inline constexpr LabelId LblEnregistrerCourbe{"LblEnregistrerCourbe"};
inline constexpr LabelId LblEtapeApres{"LblEtapeApres"};
inline constexpr LabelId LblEtapeAvant{"LblEtapeAvant"};
inline constexpr LabelId LblExporterSvg{"LblExporterSvg"};
inline constexpr LabelId LblExtras{"LblExtras"};
inline constexpr LabelId LblExtrasAppliquer{"LblExtrasAppliquer"};
inline constexpr LabelId LbliAngleRelatif{"LbliAngleRelatif"};
inline constexpr LabelId LbliAutresKP{"LbliAutresKP"};
inline constexpr LabelId LbliChoisirParties{"LbliChoisirParties"};
inline constexpr LabelId LbliChoixDebutOuFin{"LbliChoixDebutOuFin"};
inline constexpr LabelId LbliDebAbsolu{"LbliDebAbsolu"};
inline constexpr LabelId LbliDebTemps{"LbliDebTemps"};
inline constexpr LabelId LbliDureeMiniVue{"LbliDureeMiniVue"};
inline constexpr LabelId LbliEnAbsolu{"LbliEnAbsolu"};
inline constexpr LabelId LbliEnregistrer{"LbliEnregistrer"};
inline constexpr LabelId LbliFinAbsolu{"LbliFinAbsolu"};
inline constexpr LabelId LbliFinTemps{"LbliFinTemps"};
inline constexpr LabelId LbliListeDeb{"LbliListeDeb"};
inline constexpr LabelId LbliListeFin{"LbliListeFin"};
inline constexpr LabelId LblImporterSvg{"LblImporterSvg"};
inline constexpr LabelId LblindicReglage{"LblindicReglage"};
inline constexpr LabelId LbliPointsDoubles{"LbliPointsDoubles"};
inline constexpr LabelId LbliPosPoint{"LbliPosPoint"};
inline constexpr LabelId LbliQpara{"LbliQpara"};
inline constexpr LabelId LbliRalDebOuFin{"LbliRalDebOuFin"};
inline constexpr LabelId LbliResteKP{"LbliResteKP"};
inline constexpr LabelId LbliSupDeb{"LbliSupDeb"};
inline constexpr LabelId LbliTemps1erPoint{"LbliTemps1erPoint"};
inline constexpr LabelId LbliTempsCePoint{"LbliTempsCePoint"};
inline constexpr LabelId LbliTempsDerPoint{"LbliTempsDerPoint"};
inline constexpr LabelId LbliTitreRalenti{"LbliTitreRalenti"};
inline constexpr LabelId LbliDureeTotale{"LbliDureeTotale"};
inline constexpr LabelId LbliQPoints{"LbliQPoints"};
inline constexpr LabelId LbliValeursEnreg{"LbliValeursEnreg"};
inline constexpr LabelId LbliVOpacity{"LbliVOpacity"};
inline constexpr LabelId LbliVZoomX{"LbliVZoomX"};
inline constexpr LabelId LbliVZoomY{"LbliVZoomY"};
inline constexpr LabelId LbliVRotation{"LbliVRotation"};
inline constexpr LabelId LbliVCentreX{"LbliVCentreX"};
inline constexpr LabelId LbliVCentreY{"LbliVCentreY"};
inline constexpr LabelId LbliV3DX{"LbliV3DX"};
inline constexpr LabelId LbliV3DY{"LbliV3DY"};
inline constexpr LabelId LbliV3DZ{"LbliV3DZ"};
inline constexpr LabelId LbliValide{"LbliValide"};
inline constexpr LabelId LbliVitFin{"LbliVitFin"};
inline constexpr LabelId LbliVitGros{"LbliVitGros"};
inline constexpr LabelId LblLecture{"LblLecture"};
inline constexpr LabelId LblNombrePoints{"LblNombrePoints"};
inline constexpr LabelId LblObjetCopie{"LblObjetCopie"};
inline constexpr LabelId LblObjetExemple{"LblObjetExemple"};
inline constexpr LabelId LblOKcourbe{"LblOKcourbe"};
inline constexpr LabelId LblParaAnnuleTout{"LblParaAnnuleTout"};
inline constexpr LabelId LblParaFini{"LblParaFini"};
inline constexpr LabelId LblPointsDoubles{"LblPointsDoubles"};
inline constexpr LabelId LblPointSelect{"LblPointSelect"};
inline constexpr LabelId LblPtsEnTout{"LblPtsEnTout"};
inline constexpr LabelId LblQpara{"LblQpara"};
inline constexpr LabelId LBlQpCourbe{"LBlQpCourbe"};
inline constexpr LabelId LblRefairePoints{"LblRefairePoints"};
inline constexpr LabelId LblRefaireTout{"LblRefaireTout"};
inline constexpr LabelId LblResteKP{"LblResteKP"};
inline constexpr LabelId LblRetour{"LblRetour"};
inline constexpr LabelId LblRetourPoints{"LblRetourPoints"};
inline constexpr LabelId LblRien{"LblRien"};
inline constexpr LabelId LblStopMarquage{"LblStopMarquage"};
inline constexpr LabelId LblSupDeb{"LblSupDeb"};
inline constexpr LabelId LblSupFin{"LblSupFin"};
inline constexpr LabelId LblTemps1erPoint{"LblTemps1erPoint"};
inline constexpr LabelId LblTemps1stKp{"LblTemps1stKp"};
inline constexpr LabelId LblTempsConstant{"LblTempsConstant"};
inline constexpr LabelId LblTempsDerPoint{"LblTempsDerPoint"};
inline constexpr LabelId LblTempsLecture{"LblTempsLecture"};
inline constexpr LabelId LblTempsMiniVueFinal{"LblTempsMiniVueFinal"};
inline constexpr LabelId LblTempsPerso{"LblTempsPerso"};
inline constexpr LabelId LblTempsPointActuel{"LblTempsPointActuel"};
inline constexpr LabelId LblTempsTotalVue{"LblTempsTotalVue"};
inline constexpr LabelId LblTotalPts{"LblTotalPts"};
inline constexpr LabelId LblTout{"LblTout"};
inline constexpr LabelId LblTraiter{"LblTraiter"};
inline constexpr LabelId LblTravauxEnCours{"LblTravauxEnCours"};
inline constexpr LabelId LblV3DX{"LblV3DX"};
inline constexpr LabelId LblV3DY{"LblV3DY"};
inline constexpr LabelId LblV3DZ{"LblV3DZ"};
inline constexpr LabelId LblVarAnnule{"LblVarAnnule"};
inline constexpr LabelId LblVarDep{"LblVarDep"};
inline constexpr LabelId LblVarFin{"LblVarFin"};
inline constexpr LabelId LblVarSave{"LblVarSave"};
inline constexpr LabelId LblVCentreX{"LblVCentreX"};
inline constexpr LabelId LblVCentreY{"LblVCentreY"};
inline constexpr LabelId LblVitConstante{"LblVitConstante"};
inline constexpr LabelId LblVOpacity{"LblVOpacity"};
inline constexpr LabelId LblVRotation{"LblVRotation"};
inline constexpr LabelId LblVZoomX{"LblVZoomX"};
inline constexpr LabelId LblVZoomY{"LblVZoomY"};
inline constexpr LabelId LblXY{"LblXY"};

// Check boxes.
inline constexpr CheckBoxId ChBx1{"ChBx1"};
inline constexpr CheckBoxId ChBx2{"ChBx2"};
inline constexpr CheckBoxId ChBx3{"ChBx3"};
inline constexpr CheckBoxId ChBx4{"ChBx4"};
inline constexpr CheckBoxId ChBx5{"ChBx5"};
inline constexpr CheckBoxId ChBx6{"ChBx6"};
inline constexpr CheckBoxId ChBx7{"ChBx7"};
inline constexpr CheckBoxId ChBx8{"ChBx8"};
inline constexpr CheckBoxId ChBx9{"ChBx9"};
inline constexpr CheckBoxId ChBx10{"ChBx10"};
inline constexpr CheckBoxId ChBx11{"ChBx11"};
inline constexpr CheckBoxId ChBx12{"ChBx12"};
inline constexpr CheckBoxId ChBx13{"ChBx13"};
inline constexpr CheckBoxId ChBx14{"ChBx14"};
inline constexpr CheckBoxId ChBx15{"ChBx15"};
inline constexpr CheckBoxId ChBx16{"ChBx16"};
inline constexpr CheckBoxId ChBx3D{"ChBx3D"};
inline constexpr CheckBoxId ChBx3DX{"ChBx3DX"};
inline constexpr CheckBoxId ChBx3DY{"ChBx3DY"};
inline constexpr CheckBoxId ChBx3DZ{"ChBx3DZ"};
inline constexpr CheckBoxId ChbxAffichePc{"ChbxAffichePc"};
inline constexpr CheckBoxId ChBxAngleRotation{"ChBxAngleRotation"};
inline constexpr CheckBoxId ChbxAttenuation{"ChbxAttenuation"};
inline constexpr CheckBoxId ChBxCentreEgal{"ChBxCentreEgal"};
inline constexpr CheckBoxId ChBxCentreX{"ChBxCentreX"};
inline constexpr CheckBoxId ChBxCentreY{"ChBxCentreY"};
inline constexpr CheckBoxId ChBxEgal{"ChBxEgal"};
inline constexpr CheckBoxId ChBxFermerCourbe{"ChBxFermerCourbe"};
inline constexpr CheckBoxId ChbxInverserCourbe{"ChbxInverserCourbe"};
inline constexpr CheckBoxId ChbxMonochrome{"ChbxMonochrome"};
inline constexpr CheckBoxId ChbxOpacite{"ChbxOpacite"};
inline constexpr CheckBoxId ChBxRecalerTemps{"ChBxRecalerTemps"};
inline constexpr CheckBoxId ChBxRotation{"ChBxRotation"};
inline constexpr CheckBoxId ChBxSpeedUp{"ChBxSpeedUp"};
inline constexpr CheckBoxId ChBxSupKP{"ChBxSupKP"};
inline constexpr CheckBoxId ChBxTangenteAuPoint{"ChBxTangenteAuPoint"};
inline constexpr CheckBoxId ChbxTrait{"ChbxTrait"};
inline constexpr CheckBoxId ChBxZoomX{"ChBxZoomX"};
inline constexpr CheckBoxId ChBxZoomY{"ChBxZoomY"};

// Radio groups.
inline constexpr RadioGroupId Rdg_inverse180_OuPas{"Rdg_inverse180_OuPas"};
inline constexpr RadioGroupId RdgActionsTangentes{"RdgActionsTangentes"};
inline constexpr RadioGroupId RdgbxRalForce{"RdgbxRalForce"};
inline constexpr RadioGroupId RdgCadreOuPoints{"RdgCadreOuPoints"};
inline constexpr RadioGroupId RdgChoixEcran{"RdgChoixEcran"};
inline constexpr RadioGroupId RdgChoixRalenti{"RdgChoixRalenti"};
inline constexpr RadioGroupId RdgDecalage{"RdgDecalage"};
inline constexpr RadioGroupId RdgFond{"RdgFond"};
inline constexpr RadioGroupId RdgModeAff{"RdgModeAff"};
inline constexpr RadioGroupId RdgTangentes{"RdgTangentes"};
inline constexpr RadioGroupId RdgVoir{"RdgVoir"};

// Sliders.
inline constexpr SliderId TbEtendueRalenti{"TbEtendueRalenti"};
inline constexpr SliderId TbLecture{"TbLecture"};
inline constexpr SliderId TbMontrePoint{"TbMontrePoint"};
inline constexpr SliderId TbrQPoints{"TbrQPoints"};
inline constexpr SliderId TbrSupDeb{"TbrSupDeb"};
inline constexpr SliderId TbrSupFin{"TbrSupFin"};
inline constexpr SliderId TbrVitFin{"TbrVitFin"};
inline constexpr SliderId TbrVitGros{"TbrVitGros"};

// Edits.
inline constexpr EditId Edt3DXdeb{"Edt3DXdeb"};
inline constexpr EditId Edt3DXfin{"Edt3DXfin"};
inline constexpr EditId Edt3DYdeb{"Edt3DYdeb"};
inline constexpr EditId Edt3DYfin{"Edt3DYfin"};
inline constexpr EditId Edt3DZdeb{"Edt3DZdeb"};
inline constexpr EditId Edt3DZfin{"Edt3DZfin"};
inline constexpr EditId EdtCentreXDeb{"EdtCentreXDeb"};
inline constexpr EditId EdtDureeTotale{"EdtDureeTotale"};
inline constexpr EditId EdtCentreXFin{"EdtCentreXFin"};
inline constexpr EditId EdtCentreYDeb{"EdtCentreYDeb"};
inline constexpr EditId EdtCentreYFin{"EdtCentreYFin"};
inline constexpr EditId EdtOpaDeb{"EdtOpaDeb"};
inline constexpr EditId EdtOpaFin{"EdtOpaFin"};
inline constexpr EditId EdtRotDeb{"EdtRotDeb"};
inline constexpr EditId EdtRotFin{"EdtRotFin"};
inline constexpr EditId EdtTemps1st{"EdtTemps1st"};
inline constexpr EditId EdtTempsDeb{"EdtTempsDeb"};
inline constexpr EditId EdtTempsFin{"EdtTempsFin"};
inline constexpr EditId EdtZoomXdeb{"EdtZoomXdeb"};
inline constexpr EditId EdtZoomXfin{"EdtZoomXfin"};
inline constexpr EditId EdtZoomYdeb{"EdtZoomYdeb"};
inline constexpr EditId EdtZoomYfin{"EdtZoomYfin"};

// Images.
inline constexpr ImageId ImgAideT1Eng{"ImgAideT1Eng"};
inline constexpr ImageId ImgAideT1Fr{"ImgAideT1Fr"};
inline constexpr ImageId ImgAnnuleToutBas{"ImgAnnuleToutBas"};
inline constexpr ImageId ImgAnnuleToutHaut{"ImgAnnuleToutHaut"};
inline constexpr ImageId ImgAproposEng{"ImgAproposEng"};
inline constexpr ImageId ImgAproposFr{"ImgAproposFr"};
inline constexpr ImageId ImgArcEnCiel{"ImgArcEnCiel"};
inline constexpr ImageId ImgCentreHaut{"ImgCentreHaut"};
inline constexpr ImageId ImgChargeObjetPte_Bas{"ImgChargeObjetPte_Bas"};
inline constexpr ImageId ImgChargeObjetPte_Haut{"ImgChargeObjetPte_Haut"};
inline constexpr ImageId ImgChargeOpte_Bas_Eng{"ImgChargeOpte_Bas_Eng"};
inline constexpr ImageId ImgChargeOpte_Bas_Fr{"ImgChargeOpte_Bas_Fr"};
inline constexpr ImageId ImgChargeOpte_Haut_Eng{"ImgChargeOpte_Haut_Eng"};
inline constexpr ImageId ImgChargeOpte_Haut_Fr{"ImgChargeOpte_Haut_Fr"};
inline constexpr ImageId ImgChronogramme{"ImgChronogramme"};
inline constexpr ImageId ImgDessin{"ImgDessin"};
inline constexpr ImageId ImgFD_haut{"ImgFD_haut"};
inline constexpr ImageId ImgFG_haut{"ImgFG_haut"};
inline constexpr ImageId ImgNouvelObjetBasEng{"ImgNouvelObjetBasEng"};
inline constexpr ImageId ImgNouvelObjetBasFr{"ImgNouvelObjetBasFr"};
inline constexpr ImageId ImgNouvelObjetHautEng{"ImgNouvelObjetHautEng"};
inline constexpr ImageId ImgNouvelObjetHautFr{"ImgNouvelObjetHautFr"};
inline constexpr ImageId ImgNvlObjet_bas{"ImgNvlObjet_bas"};
inline constexpr ImageId ImgNvlObjet_haut{"ImgNvlObjet_haut"};
inline constexpr ImageId ImgParaFiniBas{"ImgParaFiniBas"};
inline constexpr ImageId ImgParaFiniHaut{"ImgParaFiniHaut"};
inline constexpr ImageId ImgT2eng{"ImgT2eng"};
inline constexpr ImageId ImgT2fr{"ImgT2fr"};
inline constexpr ImageId ImgT3eng{"ImgT3eng"};
inline constexpr ImageId ImgT3engbis{"ImgT3engbis"};
inline constexpr ImageId ImgT3fr{"ImgT3fr"};
inline constexpr ImageId ImgT3frbis{"ImgT3frbis"};
inline constexpr ImageId ImgT4eng{"ImgT4eng"};
inline constexpr ImageId ImgT4fr{"ImgT4fr"};
inline constexpr ImageId ImgT5Eng{"ImgT5Eng"};
inline constexpr ImageId ImgT5Fr{"ImgT5Fr"};
inline constexpr ImageId ImgT6Eng{"ImgT6Eng"};
inline constexpr ImageId ImgT6Fr{"ImgT6Fr"};
inline constexpr ImageId ImgTraiter{"ImgTraiter"};
inline constexpr ImageId ImgTransfertSeul_Bas{"ImgTransfertSeul_Bas"};
inline constexpr ImageId ImgTransfertSeul_Haut{"ImgTransfertSeul_Haut"};
inline constexpr ImageId ImgTransfertTotal_Bas_Eng{"ImgTransfertTotal_Bas_Eng"};
inline constexpr ImageId ImgTransfertTotal_Bas_Fr{"ImgTransfertTotal_Bas_Fr"};
inline constexpr ImageId ImgTransfertTotal_Haut_Eng{"ImgTransfertTotal_Haut_Eng"};
inline constexpr ImageId ImgTransfertTotal_haut_Fr{"ImgTransfertTotal_haut_Fr"};
inline constexpr ImageId ImgTransfertTotalBas{"ImgTransfertTotalBas"};
inline constexpr ImageId ImgTransfertTotalHaut{"ImgTransfertTotalHaut"};
inline constexpr ImageId ImgTransSeulBasEng{"ImgTransSeulBasEng"};
inline constexpr ImageId ImgTransSeulBasFr{"ImgTransSeulBasFr"};
inline constexpr ImageId ImgTransSeulHautEng{"ImgTransSeulHautEng"};
inline constexpr ImageId ImgTransSeulHautFr{"ImgTransSeulHautFr"};
inline constexpr ImageId ImgVarAnnuleBas{"ImgVarAnnuleBas"};
inline constexpr ImageId ImgVarAnnuleHaut{"ImgVarAnnuleHaut"};
inline constexpr ImageId ImgVarDepBas{"ImgVarDepBas"};
inline constexpr ImageId ImgVarDepHaut{"ImgVarDepHaut"};
inline constexpr ImageId ImgVarFinBas{"ImgVarFinBas"};
inline constexpr ImageId ImgVarFinHaut{"ImgVarFinHaut"};
inline constexpr ImageId ImgVarOKBas{"ImgVarOKBas"};
inline constexpr ImageId ImgVarOKHaut{"ImgVarOKHaut"};

// Shapes.
inline constexpr ShapeId ShpAllerAAuRalenti{"ShpAllerAAuRalenti"};
inline constexpr ShapeId ShpChoixProportionnel{"ShpChoixProportionnel"};
inline constexpr ShapeId ShpPointActuel{"ShpPointActuel"};
inline constexpr ShapeId ShpSupDeb{"ShpSupDeb"};
inline constexpr ShapeId ShpSupFin{"ShpSupFin"};
inline constexpr ShapeId ShpTemoin{"ShpTemoin"};
inline constexpr ShapeId ShpTemoinExtra{"ShpTemoinExtra"};
inline constexpr ShapeId ShpTempsConstant{"ShpTempsConstant"};
inline constexpr ShapeId ShpTempsPerso{"ShpTempsPerso"};
inline constexpr ShapeId ShpVitConstante{"ShpVitConstante"};

// Lists: the inventory declares one a named list of the document
// (NamedLists::names()); the one the program handles as a control is here.
inline constexpr ListId LbxListeKP{"LbxListeKP"};

// The check boxes of the curve's parts, the first part first; part k (from 1) has curvePartBox(k).
inline constexpr CheckBoxId curvePartBoxes[] = {ChBx1,  ChBx2,  ChBx3,  ChBx4,  ChBx5,  ChBx6,
                                                ChBx7,  ChBx8,  ChBx9,  ChBx10, ChBx11, ChBx12,
                                                ChBx13, ChBx14, ChBx15, ChBx16};
inline constexpr CheckBoxId curvePartBox(int k) {
    return curvePartBoxes[k - 1];
}

} // namespace trajecta::ids
