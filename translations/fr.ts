<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr_FR">
<context>
    <name>AVInput</name>
    <message>
        <location filename="../src/media/AVInput.cpp" line="48" />
        <source>The music file %1 cannot be played. Check that it is still there, or choose another track.</source>
        <translation>Le fichier de musique %1 ne peut pas être lu. Vérifiez qu'il existe toujours, ou choisissez un autre morceau.</translation>
    </message>
    <message>
        <location filename="../src/media/AVInput.cpp" line="51" />
        <source>The theme's background video %1 cannot be played. Download the theme again, or choose another theme.</source>
        <translation>La vidéo d'arrière-plan %1 du thème ne peut pas être lue. Téléchargez de nouveau le thème, ou choisissez-en un autre.</translation>
    </message>
    <message>
        <location filename="../src/media/AVInput.cpp" line="77" />
        <source>the file holds no sound</source>
        <translation>le fichier ne contient pas de son</translation>
    </message>
    <message>
        <location filename="../src/media/AVInput.cpp" line="78" />
        <source>the file holds no pictures</source>
        <translation>le fichier ne contient pas d'images</translation>
    </message>
</context>
<context>
    <name>AddBackgroundMusicScreen</name>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="15" />
        <source>Add Background Music</source>
        <translation>Ajouter une musique de fond</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="33" />
        <source>Open Audio File</source>
        <translation>Ouvrir un fichier audio</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="38" />
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="44" />
        <source>Skip Audio</source>
        <translation>Continuer sans musique</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="52" />
        <source>Back to Themes</source>
        <translation>Retour aux thèmes</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="61" />
        <source>Open Audio File (%1)</source>
        <translation>Ouvrir un fichier audio (%1)</translation>
    </message>
</context>
<context>
    <name>BeatsPres</name>
    <message>
        <location filename="../src/app/BeatsPres.cpp" line="101" />
        <source>Finding the beat of “%1”: %2 %</source>
        <translation>Recherche du rythme de « %1 » : %2 %</translation>
    </message>
    <message>
        <location filename="../src/app/BeatsPres.cpp" line="107" />
        <source>No beat was found in %1, so its scenes are not cut on the beat.</source>
        <translation>Aucun rythme trouvé dans %1 : ses scènes ne sont donc pas coupées sur le temps.</translation>
    </message>
</context>
<context>
    <name>DoneScreen</name>
    <message>
        <location filename="../qml/DoneScreen.qml" line="14" />
        <source>Your video is ready</source>
        <translation>Votre vidéo est prête</translation>
    </message>
    <message>
        <location filename="../qml/DoneScreen.qml" line="19" />
        <source>Play Video</source>
        <translation>Lire la vidéo</translation>
    </message>
    <message>
        <location filename="../qml/DoneScreen.qml" line="24" />
        <source>Open Folder containing Video</source>
        <translation>Ouvrir le dossier de la vidéo</translation>
    </message>
    <message>
        <location filename="../qml/DoneScreen.qml" line="32" />
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="14" />
        <source>Downloading Theme</source>
        <translation>Téléchargement du thème</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="34" />
        <source>Downloading theme's files from internet.</source>
        <translation>Téléchargement des fichiers du thème depuis Internet.</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="35" />
        <source>Depending on your internet connection speed</source>
        <translation>Selon la vitesse de votre connexion Internet</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="36" />
        <source>it can take up to few minutes.</source>
        <translation>cela peut prendre quelques minutes.</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="37" />
        <source>This files will be downloaded only once.</source>
        <translation>Ces fichiers ne sont téléchargés qu'une seule fois.</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="44" />
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <location filename="../src/base/Failure.cpp" line="15" />
        <source>%1
The system said: %2.</source>
        <translation>%1
Le système a répondu : %2.</translation>
    </message>
</context>
<context>
    <name>LibavRender</name>
    <message>
        <location filename="../src/engine/LibavRender.cpp" line="87" />
        <source>The video file disappeared while it was being written: %1</source>
        <translation>Le fichier vidéo a disparu pendant son écriture : %1</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <location filename="../qml/MainScreen.qml" line="49" />
        <source>Add Images</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="60" />
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="66" />
        <source>Add Folder with Images</source>
        <translation>Ajouter un dossier d'images</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="73" />
        <source>Add Text Scene</source>
        <translation>Ajouter une scène de texte</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="78" />
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="78" />
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="84" />
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="87" />
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Annuler : %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="92" />
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="95" />
        <source>Redo %1 (Ctrl+Shift+Z)</source>
        <translation>Rétablir : %1 (Ctrl+Maj+Z)</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="128" />
        <source>Click Add Images to add your photos</source>
        <translation>Cliquez sur « Ajouter des images » pour ajouter vos photos</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="134" />
        <source>Click Add Text Scene to add titles between slides</source>
        <translation>Cliquez sur « Ajouter une scène de texte » pour placer des titres entre les diapositives</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="158" />
        <source>Back to Themes</source>
        <translation>Retour aux thèmes</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="166" />
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="180" />
        <location filename="../qml/MainScreen.qml" line="191" />
        <source>Import Image Files (%1)</source>
        <translation>Importer des images (%1)</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="202" />
        <source>Open Audio File (%1)</source>
        <translation>Ouvrir un fichier audio (%1)</translation>
    </message>
</context>
<context>
    <name>MediaFileInfo</name>
    <message>
        <location filename="../src/media/MediaFileInfo.cpp" line="34" />
        <source>The file %1 holds no music that can be played. Choose another track.</source>
        <translation>Le fichier %1 ne contient pas de musique lisible. Choisissez un autre morceau.</translation>
    </message>
</context>
<context>
    <name>PhotoGrid</name>
    <message>
        <location filename="../qml/PhotoGrid.qml" line="178" />
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from final video</source>
        <translation>Vous avez trop de diapositives pour la durée de la musique. Les images et textes ci-dessous ne seront pas dans la vidéo</translation>
    </message>
    <message>
        <location filename="../qml/PhotoGrid.qml" line="235" />
        <source>Turn left</source>
        <translation>Tourner à gauche</translation>
    </message>
    <message>
        <location filename="../qml/PhotoGrid.qml" line="244" />
        <source>Turn right</source>
        <translation>Tourner à droite</translation>
    </message>
    <message>
        <location filename="../qml/PhotoGrid.qml" line="252" />
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
</context>
<context>
    <name>PlanPlayer</name>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="51" />
        <source>The theme cannot be used: its description is missing or cannot be read.</source>
        <translation>Le thème ne peut pas être utilisé : sa description manque ou est illisible.</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="55" />
        <source>There is nothing to put into a video: the project has no slides.</source>
        <translation>Il n'y a rien à mettre dans une vidéo : le projet n'a aucune diapositive.</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="120" />
        <source>The theme's background %1 cannot be played, so the video cannot be made. Download the theme again, or choose another theme.</source>
        <translation>L'arrière-plan %1 du thème ne peut pas être lu, la vidéo ne peut donc pas être créée. Téléchargez de nouveau le thème, ou choisissez-en un autre.</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="135" />
        <source>The video leaves a place empty for each photo that cannot be read. Check that these files are still there, or take them out of the slideshow:
%1</source>
        <translation>La vidéo laisse une place vide pour chaque photo illisible. Vérifiez que ces fichiers existent toujours, ou retirez-les du diaporama :
%1</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="235" />
        <source>The theme cannot play its scene %1: the video cannot be made.</source>
        <translation>Le thème ne peut pas jouer sa scène %1 : la vidéo ne peut pas être créée.</translation>
    </message>
</context>
<context>
    <name>PopupAddTextScene</name>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="23" />
        <source>Add Text Scene</source>
        <translation>Ajouter une scène de texte</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="23" />
        <source>Edit Text Scene</source>
        <translation>Modifier la scène de texte</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="29" />
        <source>Type your text here...</source>
        <translation>Saisissez votre texte ici…</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="52" />
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="57" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PopupAudioTracks</name>
    <message>
        <location filename="../qml/PopupAudioTracks.qml" line="14" />
        <source>Edit Audio</source>
        <translation>Modifier la musique</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracks.qml" line="20" />
        <source>Add Audio</source>
        <translation>Ajouter de la musique</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracks.qml" line="25" />
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>PopupAudioTracksList</name>
    <message>
        <location filename="../qml/PopupAudioTracksList.qml" line="44" />
        <source>Play earlier</source>
        <translation>Jouer plus tôt</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracksList.qml" line="52" />
        <source>Play later</source>
        <translation>Jouer plus tard</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracksList.qml" line="58" />
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
</context>
<context>
    <name>PopupCommonError</name>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="9" />
        <location filename="../qml/PopupCommonError.qml" line="15" />
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="38" />
        <source>If this problem persists, please contact our support at </source>
        <translation>Si le problème persiste, contactez notre assistance sur </translation>
    </message>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="40" />
        <source>or via email</source>
        <translation>ou par e-mail</translation>
    </message>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="47" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PopupDownloadError</name>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="15" />
        <source>Network problem</source>
        <translation>Problème de réseau</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="22" />
        <source>We have problem with downloading files from internet.</source>
        <translation>Le téléchargement des fichiers a échoué.</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="23" />
        <source>Please check your internet connection and try again.</source>
        <translation>Vérifiez votre connexion Internet et réessayez.</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="24" />
        <source>If this problem persists, please contact our support at </source>
        <translation>Si le problème persiste, contactez notre assistance sur </translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="32" />
        <source>Select other</source>
        <translation>Choisir un autre</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="39" />
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>PopupLeaveMsg</name>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="21" />
        <source>Something seems to have gone wrong during the last Lumavive session. Send us a short message about what is the last thing you did before Lumavive crashed. It helps us fix issues quickly.
Thank you.</source>
        <translation>Un problème semble s'être produit lors de la dernière session de Lumavive. Dites-nous en quelques mots ce que vous faisiez avant que Lumavive ne plante. Cela nous aide à corriger rapidement.
Merci.</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="26" />
        <source>Type your message here...</source>
        <translation>Saisissez votre message ici…</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="30" />
        <source>Don’t ask again</source>
        <translation>Ne plus demander</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="36" />
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="40" />
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>PopupMissedImageFiles</name>
    <message>
        <location filename="../qml/PopupMissedImageFiles.qml" line="16" />
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location filename="../qml/PopupMissedImageFiles.qml" line="30" />
        <source>Missed image files will be skipped</source>
        <translation>Les images manquantes seront ignorées</translation>
    </message>
    <message>
        <location filename="../qml/PopupMissedImageFiles.qml" line="35" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PopupQuestion</name>
    <message>
        <location filename="../qml/PopupQuestion.qml" line="13" />
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PreviewAudio</name>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="44" />
        <source>No sound device was found: the preview plays without music.</source>
        <translation>Aucun périphérique audio trouvé : l'aperçu est lu sans musique.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="48" />
        <source>The sound device cannot play the music: the preview plays without it.</source>
        <translation>Le périphérique audio ne peut pas lire la musique : l'aperçu est lu sans elle.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="62" />
        <source>The sound device cannot be opened: the preview plays without music.</source>
        <translation>Le périphérique audio ne peut pas être ouvert : l'aperçu est lu sans musique.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="73" />
        <source>The sound device stopped: the preview plays on without music.</source>
        <translation>Le périphérique audio s'est arrêté : l'aperçu continue sans musique.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="89" />
        <source>The sound device stopped taking the music: the preview plays on without it.</source>
        <translation>Le périphérique audio n'accepte plus la musique : l'aperçu continue sans elle.</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <location filename="../qml/PreviewPane.qml" line="44" />
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../qml/PreviewPane.qml" line="44" />
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <location filename="../qml/PreviewPane.qml" line="55" />
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>PreviewPres</name>
    <message>
        <location filename="../src/app/PreviewPres.cpp" line="153" />
        <source>Your title here</source>
        <translation>Votre titre ici</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="142" />
        <source>Remove Missing Photos</source>
        <translation>Retrait des photos manquantes</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="221" />
        <source>Change Theme</source>
        <translation>Changement de thème</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="226" />
        <source>%1 s a photo</source>
        <translation>%1 s par photo</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="226" />
        <source>The theme's pace</source>
        <translation>Rythme du thème</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="237" />
        <source>Change Pace</source>
        <translation>Changement de rythme</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="243" />
        <source>Fit to Music</source>
        <translation>Ajustement à la musique</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="243" />
        <source>Stop Fitting to Music</source>
        <translation>Fin de l'ajustement à la musique</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="250" />
        <source>Cut on the Beat</source>
        <translation>Coupe sur le temps</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="250" />
        <source>Stop Cutting on the Beat</source>
        <translation>Fin des coupes sur le temps</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="346" />
        <source>The video lasts %1 s; the last %2 s of the music are left out.</source>
        <translation>La vidéo dure %1 s ; les dernières %2 s de la musique sont laissées de côté.</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="364" />
        <source>Click here to Add Background Music</source>
        <translation>Cliquez ici pour ajouter une musique de fond</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/ProjectPres.cpp" line="366" />
        <source>%n Audio Files</source>
        <translation><numerusform>%n fichier audio</numerusform><numerusform>%n fichiers audio</numerusform></translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="391" />
        <source>Audio Files</source>
        <translation>fichiers audio</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="436" />
        <source>Add Music</source>
        <translation>Ajout de musique</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="447" />
        <source>Remove Music</source>
        <translation>Retrait de musique</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="459" />
        <location filename="../src/app/ProjectPres.cpp" line="471" />
        <source>Reorder Music</source>
        <translation>Réorganisation de la musique</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="497" />
        <location filename="../src/app/ProjectPres.cpp" line="514" />
        <source>Add Photos</source>
        <translation>Ajout de photos</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="534" />
        <source>Add Text</source>
        <translation>Ajout de texte</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="550" />
        <location filename="../src/app/ProjectPres.cpp" line="567" />
        <source>Remove Slide</source>
        <translation>Retrait d'une diapositive</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="550" />
        <source>Remove Slides</source>
        <translation>Retrait de diapositives</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="558" />
        <source>Edit Text</source>
        <translation>Modification du texte</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="576" />
        <source>Move Slides</source>
        <translation>Déplacement de diapositives</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="584" />
        <source>Turn Photo</source>
        <translation>Rotation de photo</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="629" />
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
</context>
<context>
    <name>ProjectsView</name>
    <message>
        <location filename="../qml/ProjectsView.qml" line="15" />
        <source>My Recent Projects</source>
        <translation>Mes projets récents</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="20" />
        <source>Hide all</source>
        <translation>Tout masquer</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="20" />
        <source>Show all</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="100" />
        <source>Resume project</source>
        <translation>Reprendre le projet</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="110" />
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="121" />
        <source>Delete project</source>
        <translation>Supprimer le projet</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="124" />
        <source>“%1” of %2 is deleted for good. The photos and music it uses stay where they are.</source>
        <translation>« %1 » du %2 sera supprimé définitivement. Les photos et la musique utilisées restent où elles sont.</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="141" />
        <source>Rename Project</source>
        <translation>Renommer le projet</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="146" />
        <source>A name for this slideshow</source>
        <translation>Un nom pour ce diaporama</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="153" />
        <source>Its videos are named after it.</source>
        <translation>Ses vidéos portent ce nom.</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="159" />
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="165" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="179" />
        <source>Delete this project?</source>
        <translation>Supprimer ce projet ?</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="180" />
        <source>Keep</source>
        <translation>Conserver</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="181" />
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="187" />
        <source>... load more</source>
        <translation>… en charger plus</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/templates/TemplateParser.cpp" line="420" />
        <source>The theme description cannot be read: %1</source>
        <translation>La description du thème est illisible : %1</translation>
    </message>
</context>
<context>
    <name>RenderPres</name>
    <message>
        <location filename="../src/app/RenderPres.cpp" line="213" />
        <source>Something went wrong while the video was made; no file was written.</source>
        <translation>Un problème est survenu pendant la création de la vidéo ; aucun fichier n'a été écrit.</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <location filename="../qml/RenderingScreen.qml" line="15" />
        <source>Making Video</source>
        <translation>Création de la vidéo</translation>
    </message>
    <message>
        <location filename="../qml/RenderingScreen.qml" line="15" />
        <source>The video could not be made</source>
        <translation>La vidéo n'a pas pu être créée</translation>
    </message>
    <message>
        <location filename="../qml/RenderingScreen.qml" line="57" />
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>SavedProjectsPres</name>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="213" />
        <source>The project could not be renamed</source>
        <translation>Le projet n'a pas pu être renommé</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="214" />
        <source>Its folder cannot be written: %1</source>
        <translation>Son dossier n'est pas accessible en écriture : %1</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="242" />
        <source>The project could not be saved</source>
        <translation>Le projet n'a pas pu être enregistré</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="243" />
        <source>The project could not be saved in %1. Check that the disk has free space.</source>
        <translation>Le projet n'a pas pu être enregistré dans %1. Vérifiez qu'il reste de la place sur le disque.</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="276" />
        <source>A saved project cannot be read</source>
        <translation>Un projet enregistré est illisible</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="277" />
        <source>The saved project cannot be read: %1</source>
        <translation>Le projet enregistré ne peut pas être lu : %1</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="284" />
        <source>(no copy could be made)</source>
        <translation>(aucune copie n'a pu être faite)</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="286" />
        <source>A saved project was damaged</source>
        <translation>Un projet enregistré était endommagé</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="287" />
        <source>The saved project was damaged; what could be read is open. The damaged file is kept as %1</source>
        <translation>Le projet enregistré était endommagé ; ce qui a pu être lu est ouvert. Le fichier endommagé est conservé sous %1</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <location filename="../qml/Screens.qml" line="46" />
        <source>Some photos are missing</source>
        <translation>Des photos sont introuvables</translation>
    </message>
    <message>
        <location filename="../qml/Screens.qml" line="47" />
        <source>These photos were moved or deleted after they were added. Remove them from the project and make the video without them, or go back to the editor.</source>
        <translation>Ces photos ont été déplacées ou supprimées après leur ajout. Retirez-les du projet et créez la vidéo sans elles, ou revenez à l'éditeur.</translation>
    </message>
    <message>
        <location filename="../qml/Screens.qml" line="48" />
        <source>Back to the Editor</source>
        <translation>Retour à l'éditeur</translation>
    </message>
    <message>
        <location filename="../qml/Screens.qml" line="49" />
        <source>Remove and Make Video</source>
        <translation>Retirer et créer la vidéo</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <location filename="../src/app/SettingsPres.cpp" line="55" />
        <source>The result folder cannot be used</source>
        <translation>Le dossier de destination est inutilisable</translation>
    </message>
    <message>
        <location filename="../src/app/SettingsPres.cpp" line="56" />
        <source>Please select another Result Directory. Can't create output file in</source>
        <translation>Veuillez choisir un autre dossier de destination. Impossible de créer le fichier dans</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="18" />
        <source>Video settings</source>
        <translation>Réglages de la vidéo</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="23" />
        <source>Result Directory</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="26" />
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="54" />
        <source>Video Quality</source>
        <translation>Qualité vidéo</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="59" />
        <source>HD (1280x720)</source>
        <translation>HD (1280x720)</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="65" />
        <source>Full HD (1920x1080)</source>
        <translation>Full HD (1920x1080)</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="74" />
        <source>MAKE MOVIE</source>
        <translation>CRÉER LA VIDÉO</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="86" />
        <source>Finding the beat of the music…</source>
        <translation>Recherche du rythme de la musique…</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="95" />
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>SkippedFilesNotice</name>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="5" />
        <source>Some files were not added</source>
        <translation>Certains fichiers n'ont pas été ajoutés</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="13" />
        <source>, and %1 more</source>
        <translation> et %1 autres</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="21" />
        <source>Photos that cannot be read, damaged or in a format this system cannot open: %1.</source>
        <translation>Photos illisibles, endommagées ou dans un format que ce système ne sait pas ouvrir : %1.</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="25" />
        <source>Music that cannot be played, damaged or holding no sound: %1.</source>
        <translation>Musique illisible, endommagée ou sans son : %1.</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="28" />
        <source>Neither photos nor music: %1.</source>
        <translation>Ni photos ni musique : %1.</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="32" />
        <source>Files not added: %1.</source>
        <translation>Fichiers non ajoutés : %1.</translation>
    </message>
</context>
<context>
    <name>SlideGridPres</name>
    <message>
        <location filename="../src/app/SlideGridPres.cpp" line="248" />
        <source>%1/90: a text slide holds up to 90 characters</source>
        <translation>%1/90 : une diapositive de texte contient au plus 90 caractères</translation>
    </message>
</context>
<context>
    <name>ThemeThumb</name>
    <message>
        <location filename="../qml/ThemeThumb.qml" line="43" />
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <location filename="../qml/ThemeThumb.qml" line="60" />
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location filename="../qml/ThemeThumb.qml" line="62" />
        <source>Play this theme with sample pictures</source>
        <translation>Lire ce thème avec des images d'exemple</translation>
    </message>
</context>
<context>
    <name>ThemesScreen</name>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="36" />
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="36" />
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="41" />
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="65" />
        <source>Select Theme</source>
        <translation>Choisir un thème</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="71" />
        <source>New Slideshow</source>
        <translation>Nouveau diaporama</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="92" />
        <source>Subscribe for new Themes and Updates</source>
        <translation>Abonnez-vous aux nouveaux thèmes et nouveautés</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="99" />
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="103" />
        <source>Subscribe</source>
        <translation>S'abonner</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <location filename="../qml/TimelineBar.qml" line="81" />
        <source>Pace: %1</source>
        <translation>Rythme : %1</translation>
    </message>
    <message>
        <location filename="../qml/TimelineBar.qml" line="102" />
        <source>Fit to music</source>
        <translation>Ajuster à la musique</translation>
    </message>
    <message>
        <location filename="../qml/TimelineBar.qml" line="110" />
        <source>Cut on the beat</source>
        <translation>Couper sur le temps</translation>
    </message>
    <message>
        <location filename="../qml/TimelineBar.qml" line="120" />
        <source>Edit Audio</source>
        <translation>Modifier la musique</translation>
    </message>
    <message>
        <location filename="../qml/TimelineBar.qml" line="120" />
        <source>Add Audio</source>
        <translation>Ajouter de la musique</translation>
    </message>
</context>
<context>
    <name>VideoOutputWorker</name>
    <message>
        <location filename="../src/media/VideoOutputWorker.cpp" line="73" />
        <source>The video could not be written to %1. Check that the disk has free space and that the folder can be written to, then make the video again.</source>
        <translation>La vidéo n'a pas pu être écrite dans %1. Vérifiez que le disque a de la place et que le dossier est accessible en écriture, puis créez de nouveau la vidéo.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../qml/main.qml" line="114" />
        <source>A video is being made</source>
        <translation>Une vidéo est en cours de création</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="115" />
        <source>If you quit now, the video stops and the unfinished file is removed. Your project is saved either way.</source>
        <translation>Si vous quittez maintenant, la vidéo s'arrête et le fichier inachevé est supprimé. Votre projet est enregistré dans tous les cas.</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="116" />
        <source>Keep Rendering</source>
        <translation>Continuer la création</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="117" />
        <source>Stop and Quit</source>
        <translation>Arrêter et quitter</translation>
    </message>
</context>
</TS>