#include "nomillisible.h"

#include "dialogues.h"
#include "nomsfichiers.h"

void SignalerNomIllisible(Dialogues& dialogues, const QString& entree) {
    const QString nom = NomsFichiers::EstIllisible(entree)
                            ? entree.chopped(NomsFichiers::SuffixeIllisible.size())
                            : entree;
    dialogues.Message(QStringLiteral("Le nom de ce fichier n'est pas lisible (il n'est pas écrit "
                                     "en UTF-8) :\n\n%1\n\nAucune opération n'est possible sur ce "
                                     "fichier : renommez-le d'abord avec le gestionnaire de "
                                     "fichiers.")
                          .arg(nom),
                      Dialogues::Icone::Exclamation);
}
