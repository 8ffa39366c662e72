<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Attribuer un profil</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Réaffectation</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Réaffecter à quelle touche ?</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Verrouiller l&apos;ordinateur</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Touches combinées</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Saisir la touche ?</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Fonctions clavier</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Basculer en boucle</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Verrouiller le clavier</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Déverrouiller Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Verrouiller Win</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Niveau de batterie</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Couche FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Couche FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Basculer en USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Basculer en 2,4G</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Choisir l&apos;application</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Veuillez choisir l&apos;emplacement de l&apos;application</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Saisissez le texte ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Éclairage clavier</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Éclairage global</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Éclairage interactif</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tout l&apos;éclairage</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosité +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosité -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Vitesse +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Vitesse -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direction +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direction -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direction en boucle</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passer en pleine couleur</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Changer la couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Changer la couleur du bas</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Tout éteindre</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Éteindre le rétroéclairage</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Arrêter le rétroéclairage</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Enregistrer l&apos;éclairage</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personnalisé 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personnalisé 2</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Mode de lecture</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Lire une fois</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Lecture continue activée/désactivée</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Lire plusieurs fois</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Lire tant que la touche est enfoncée</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Nombre de lectures</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Nombre de lectures 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Attribuer une macro</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Bouton de la souris</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Clic milieu</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Bouton de précision</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défiler vers le haut</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosité de l&apos;écran +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosité de l&apos;écran -</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DSideLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Lumière d&apos;ambiance</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tout l&apos;éclairage</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Éclairage global</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Éclairage interactif</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosité +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosité -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Vitesse +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Vitesse -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passer en pleine couleur</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Changer la couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Changer la couleur du bas</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Éteindre l&apos;éclairage latéral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Arrêter l&apos;éclairage latéral</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>Attribuer un profil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Choisir l&apos;application</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Veuillez choisir l&apos;emplacement de l&apos;application</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Saisissez le texte ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Mode de lecture</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Lire une fois</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Lire plusieurs fois</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Lecture continue activée/désactivée</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Lire tant que la touche est enfoncée</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Nombre de lectures</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Nombre de lectures 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Attribuer une macro</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Bouton de la souris</translation>
    </message>
</context>
</TS>
