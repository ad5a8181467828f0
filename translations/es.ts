<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es_ES">
<context>
    <name>AVInput</name>
    <message>
        <location filename="../src/media/AVInput.cpp" line="48" />
        <source>The music file %1 cannot be played. Check that it is still there, or choose another track.</source>
        <translation>No se puede reproducir el archivo de música %1. Compruebe que sigue ahí o elija otra pista.</translation>
    </message>
    <message>
        <location filename="../src/media/AVInput.cpp" line="51" />
        <source>The theme's background video %1 cannot be played. Download the theme again, or choose another theme.</source>
        <translation>No se puede reproducir el vídeo de fondo %1 del tema. Descargue el tema de nuevo o elija otro tema.</translation>
    </message>
    <message>
        <location filename="../src/media/AVInput.cpp" line="77" />
        <source>the file holds no sound</source>
        <translation>el archivo no contiene sonido</translation>
    </message>
    <message>
        <location filename="../src/media/AVInput.cpp" line="78" />
        <source>the file holds no pictures</source>
        <translation>el archivo no contiene imágenes</translation>
    </message>
</context>
<context>
    <name>AddBackgroundMusicScreen</name>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="15" />
        <source>Add Background Music</source>
        <translation>Añadir música de fondo</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="33" />
        <source>Open Audio File</source>
        <translation>Abrir archivo de audio</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="38" />
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="44" />
        <source>Skip Audio</source>
        <translation>Continuar sin música</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="52" />
        <source>Back to Themes</source>
        <translation>Volver a los temas</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="61" />
        <source>Open Audio File (%1)</source>
        <translation>Abrir archivo de audio (%1)</translation>
    </message>
</context>
<context>
    <name>BeatsPres</name>
    <message>
        <location filename="../src/app/BeatsPres.cpp" line="101" />
        <source>Finding the beat of “%1”: %2 %</source>
        <translation>Buscando el ritmo de «%1»: %2 %</translation>
    </message>
    <message>
        <location filename="../src/app/BeatsPres.cpp" line="107" />
        <source>No beat was found in %1, so its scenes are not cut on the beat.</source>
        <translation>No se encontró ritmo en %1, así que sus escenas no se cortan al ritmo.</translation>
    </message>
</context>
<context>
    <name>DoneScreen</name>
    <message>
        <location filename="../qml/DoneScreen.qml" line="14" />
        <source>Your video is ready</source>
        <translation>Tu vídeo está listo</translation>
    </message>
    <message>
        <location filename="../qml/DoneScreen.qml" line="19" />
        <source>Play Video</source>
        <translation>Reproducir vídeo</translation>
    </message>
    <message>
        <location filename="../qml/DoneScreen.qml" line="24" />
        <source>Open Folder containing Video</source>
        <translation>Abrir la carpeta del vídeo</translation>
    </message>
    <message>
        <location filename="../qml/DoneScreen.qml" line="32" />
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="14" />
        <source>Downloading Theme</source>
        <translation>Descargando el tema</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="34" />
        <source>Downloading theme's files from internet.</source>
        <translation>Descargando los archivos del tema desde internet.</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="35" />
        <source>Depending on your internet connection speed</source>
        <translation>Según la velocidad de tu conexión a internet</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="36" />
        <source>it can take up to few minutes.</source>
        <translation>puede tardar unos minutos.</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="37" />
        <source>This files will be downloaded only once.</source>
        <translation>Estos archivos se descargan una sola vez.</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="44" />
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <location filename="../src/base/Failure.cpp" line="15" />
        <source>%1
The system said: %2.</source>
        <translation>%1
El sistema indicó: %2.</translation>
    </message>
</context>
<context>
    <name>LibavRender</name>
    <message>
        <location filename="../src/engine/LibavRender.cpp" line="87" />
        <source>The video file disappeared while it was being written: %1</source>
        <translation>El archivo de vídeo desapareció mientras se escribía: %1</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <location filename="../qml/MainScreen.qml" line="49" />
        <source>Add Images</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="60" />
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="66" />
        <source>Add Folder with Images</source>
        <translation>Añadir carpeta con imágenes</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="73" />
        <source>Add Text Scene</source>
        <translation>Añadir escena de texto</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="78" />
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="78" />
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="84" />
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="87" />
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Deshacer: %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="92" />
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="95" />
        <source>Redo %1 (Ctrl+Shift+Z)</source>
        <translation>Rehacer: %1 (Ctrl+Mayús+Z)</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="128" />
        <source>Click Add Images to add your photos</source>
        <translation>Haz clic en «Añadir imágenes» para añadir tus fotos</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="134" />
        <source>Click Add Text Scene to add titles between slides</source>
        <translation>Haz clic en «Añadir escena de texto» para poner títulos entre las diapositivas</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="158" />
        <source>Back to Themes</source>
        <translation>Volver a los temas</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="166" />
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="180" />
        <location filename="../qml/MainScreen.qml" line="191" />
        <source>Import Image Files (%1)</source>
        <translation>Importar imágenes (%1)</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="202" />
        <source>Open Audio File (%1)</source>
        <translation>Abrir archivo de audio (%1)</translation>
    </message>
</context>
<context>
    <name>MediaFileInfo</name>
    <message>
        <location filename="../src/media/MediaFileInfo.cpp" line="34" />
        <source>The file %1 holds no music that can be played. Choose another track.</source>
        <translation>El archivo %1 no contiene música reproducible. Elija otra pista.</translation>
    </message>
</context>
<context>
    <name>PhotoGrid</name>
    <message>
        <location filename="../qml/PhotoGrid.qml" line="178" />
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from final video</source>
        <translation>Tienes demasiadas diapositivas para la duración de la música. Las imágenes y textos de abajo no estarán en el vídeo</translation>
    </message>
    <message>
        <location filename="../qml/PhotoGrid.qml" line="235" />
        <source>Turn left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <location filename="../qml/PhotoGrid.qml" line="244" />
        <source>Turn right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <location filename="../qml/PhotoGrid.qml" line="252" />
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
</context>
<context>
    <name>PlanPlayer</name>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="51" />
        <source>The theme cannot be used: its description is missing or cannot be read.</source>
        <translation>No se puede usar el tema: su descripción falta o no se puede leer.</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="55" />
        <source>There is nothing to put into a video: the project has no slides.</source>
        <translation>No hay nada que poner en un vídeo: el proyecto no tiene diapositivas.</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="120" />
        <source>The theme's background %1 cannot be played, so the video cannot be made. Download the theme again, or choose another theme.</source>
        <translation>No se puede reproducir el fondo %1 del tema, así que no se puede crear el vídeo. Descargue el tema de nuevo o elija otro tema.</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="135" />
        <source>The video leaves a place empty for each photo that cannot be read. Check that these files are still there, or take them out of the slideshow:
%1</source>
        <translation>El vídeo deja un hueco vacío por cada foto que no se puede leer. Compruebe que estos archivos siguen ahí o quítelos de la presentación:
%1</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="235" />
        <source>The theme cannot play its scene %1: the video cannot be made.</source>
        <translation>El tema no puede reproducir su escena %1: no se puede crear el vídeo.</translation>
    </message>
</context>
<context>
    <name>PopupAddTextScene</name>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="23" />
        <source>Add Text Scene</source>
        <translation>Añadir escena de texto</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="23" />
        <source>Edit Text Scene</source>
        <translation>Editar escena de texto</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="29" />
        <source>Type your text here...</source>
        <translation>Escribe tu texto aquí...</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="52" />
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="57" />
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>PopupAudioTracks</name>
    <message>
        <location filename="../qml/PopupAudioTracks.qml" line="14" />
        <source>Edit Audio</source>
        <translation>Editar música</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracks.qml" line="20" />
        <source>Add Audio</source>
        <translation>Añadir música</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracks.qml" line="25" />
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>PopupAudioTracksList</name>
    <message>
        <location filename="../qml/PopupAudioTracksList.qml" line="44" />
        <source>Play earlier</source>
        <translation>Reproducir antes</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracksList.qml" line="52" />
        <source>Play later</source>
        <translation>Reproducir después</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracksList.qml" line="58" />
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
</context>
<context>
    <name>PopupCommonError</name>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="9" />
        <location filename="../qml/PopupCommonError.qml" line="15" />
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="38" />
        <source>If this problem persists, please contact our support at </source>
        <translation>Si el problema continúa, contacta con nuestro soporte en </translation>
    </message>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="40" />
        <source>or via email</source>
        <translation>o por correo electrónico</translation>
    </message>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="47" />
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>PopupDownloadError</name>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="15" />
        <source>Network problem</source>
        <translation>Problema de red</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="22" />
        <source>We have problem with downloading files from internet.</source>
        <translation>Ha habido un problema al descargar los archivos.</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="23" />
        <source>Please check your internet connection and try again.</source>
        <translation>Comprueba tu conexión a internet e inténtalo de nuevo.</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="24" />
        <source>If this problem persists, please contact our support at </source>
        <translation>Si el problema continúa, contacta con nuestro soporte en </translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="32" />
        <source>Select other</source>
        <translation>Elegir otro</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="39" />
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
</context>
<context>
    <name>PopupLeaveMsg</name>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="21" />
        <source>Something seems to have gone wrong during the last Lumavive session. Send us a short message about what is the last thing you did before Lumavive crashed. It helps us fix issues quickly.
Thank you.</source>
        <translation>Parece que algo salió mal en la última sesión de Lumavive. Cuéntanos brevemente qué hiciste justo antes de que Lumavive fallara. Nos ayuda a corregir los errores rápidamente.
Gracias.</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="26" />
        <source>Type your message here...</source>
        <translation>Escribe tu mensaje aquí...</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="30" />
        <source>Don’t ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="36" />
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="40" />
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>PopupMissedImageFiles</name>
    <message>
        <location filename="../qml/PopupMissedImageFiles.qml" line="16" />
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location filename="../qml/PopupMissedImageFiles.qml" line="30" />
        <source>Missed image files will be skipped</source>
        <translation>Las imágenes que faltan se omitirán</translation>
    </message>
    <message>
        <location filename="../qml/PopupMissedImageFiles.qml" line="35" />
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>PopupQuestion</name>
    <message>
        <location filename="../qml/PopupQuestion.qml" line="13" />
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PreviewAudio</name>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="44" />
        <source>No sound device was found: the preview plays without music.</source>
        <translation>No se encontró ningún dispositivo de sonido: la vista previa se reproduce sin música.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="48" />
        <source>The sound device cannot play the music: the preview plays without it.</source>
        <translation>El dispositivo de sonido no puede reproducir la música: la vista previa se reproduce sin ella.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="62" />
        <source>The sound device cannot be opened: the preview plays without music.</source>
        <translation>No se puede abrir el dispositivo de sonido: la vista previa se reproduce sin música.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="73" />
        <source>The sound device stopped: the preview plays on without music.</source>
        <translation>El dispositivo de sonido se detuvo: la vista previa continúa sin música.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="89" />
        <source>The sound device stopped taking the music: the preview plays on without it.</source>
        <translation>El dispositivo de sonido dejó de aceptar la música: la vista previa continúa sin ella.</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <location filename="../qml/PreviewPane.qml" line="44" />
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location filename="../qml/PreviewPane.qml" line="44" />
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <location filename="../qml/PreviewPane.qml" line="55" />
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>PreviewPres</name>
    <message>
        <location filename="../src/app/PreviewPres.cpp" line="153" />
        <source>Your title here</source>
        <translation>Tu título aquí</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="142" />
        <source>Remove Missing Photos</source>
        <translation>Quitar fotos que faltan</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="221" />
        <source>Change Theme</source>
        <translation>Cambiar tema</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="226" />
        <source>%1 s a photo</source>
        <translation>%1 s por foto</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="226" />
        <source>The theme's pace</source>
        <translation>Ritmo del tema</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="237" />
        <source>Change Pace</source>
        <translation>Cambiar ritmo</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="243" />
        <source>Fit to Music</source>
        <translation>Ajustar a la música</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="243" />
        <source>Stop Fitting to Music</source>
        <translation>Dejar de ajustar a la música</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="250" />
        <source>Cut on the Beat</source>
        <translation>Cortar al ritmo</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="250" />
        <source>Stop Cutting on the Beat</source>
        <translation>Dejar de cortar al ritmo</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="346" />
        <source>The video lasts %1 s; the last %2 s of the music are left out.</source>
        <translation>El vídeo dura %1 s; los últimos %2 s de la música quedan fuera.</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="364" />
        <source>Click here to Add Background Music</source>
        <translation>Haz clic aquí para añadir música de fondo</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/ProjectPres.cpp" line="366" />
        <source>%n Audio Files</source>
        <translation><numerusform>%n archivo de audio</numerusform><numerusform>%n archivos de audio</numerusform></translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="391" />
        <source>Audio Files</source>
        <translation>archivos de audio</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="436" />
        <source>Add Music</source>
        <translation>Añadir música</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="447" />
        <source>Remove Music</source>
        <translation>Quitar música</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="459" />
        <location filename="../src/app/ProjectPres.cpp" line="471" />
        <source>Reorder Music</source>
        <translation>Reordenar música</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="497" />
        <location filename="../src/app/ProjectPres.cpp" line="514" />
        <source>Add Photos</source>
        <translation>Añadir fotos</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="534" />
        <source>Add Text</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="550" />
        <location filename="../src/app/ProjectPres.cpp" line="567" />
        <source>Remove Slide</source>
        <translation>Quitar diapositiva</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="550" />
        <source>Remove Slides</source>
        <translation>Quitar diapositivas</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="558" />
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="576" />
        <source>Move Slides</source>
        <translation>Mover diapositivas</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="584" />
        <source>Turn Photo</source>
        <translation>Girar foto</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="629" />
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
</context>
<context>
    <name>ProjectsView</name>
    <message>
        <location filename="../qml/ProjectsView.qml" line="15" />
        <source>My Recent Projects</source>
        <translation>Mis proyectos recientes</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="20" />
        <source>Hide all</source>
        <translation>Ocultar todo</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="20" />
        <source>Show all</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="100" />
        <source>Resume project</source>
        <translation>Continuar proyecto</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="110" />
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="121" />
        <source>Delete project</source>
        <translation>Eliminar proyecto</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="124" />
        <source>“%1” of %2 is deleted for good. The photos and music it uses stay where they are.</source>
        <translation>«%1» del %2 se eliminará para siempre. Las fotos y la música que usa se quedan donde están.</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="141" />
        <source>Rename Project</source>
        <translation>Renombrar proyecto</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="146" />
        <source>A name for this slideshow</source>
        <translation>Un nombre para esta presentación</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="153" />
        <source>Its videos are named after it.</source>
        <translation>Sus vídeos llevarán este nombre.</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="159" />
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="165" />
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="179" />
        <source>Delete this project?</source>
        <translation>¿Eliminar este proyecto?</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="180" />
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="181" />
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="187" />
        <source>... load more</source>
        <translation>... cargar más</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/templates/TemplateParser.cpp" line="420" />
        <source>The theme description cannot be read: %1</source>
        <translation>No se puede leer la descripción del tema: %1</translation>
    </message>
</context>
<context>
    <name>RenderPres</name>
    <message>
        <location filename="../src/app/RenderPres.cpp" line="213" />
        <source>Something went wrong while the video was made; no file was written.</source>
        <translation>Algo salió mal al crear el vídeo; no se escribió ningún archivo.</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <location filename="../qml/RenderingScreen.qml" line="15" />
        <source>Making Video</source>
        <translation>Creando el vídeo</translation>
    </message>
    <message>
        <location filename="../qml/RenderingScreen.qml" line="15" />
        <source>The video could not be made</source>
        <translation>No se pudo crear el vídeo</translation>
    </message>
    <message>
        <location filename="../qml/RenderingScreen.qml" line="57" />
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>SavedProjectsPres</name>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="213" />
        <source>The project could not be renamed</source>
        <translation>No se pudo renombrar el proyecto</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="214" />
        <source>Its folder cannot be written: %1</source>
        <translation>No se puede escribir en su carpeta: %1</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="242" />
        <source>The project could not be saved</source>
        <translation>No se pudo guardar el proyecto</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="243" />
        <source>The project could not be saved in %1. Check that the disk has free space.</source>
        <translation>No se pudo guardar el proyecto en %1. Comprueba que el disco tenga espacio libre.</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="276" />
        <source>A saved project cannot be read</source>
        <translation>No se puede leer un proyecto guardado</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="277" />
        <source>The saved project cannot be read: %1</source>
        <translation>No se puede leer el proyecto guardado: %1</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="284" />
        <source>(no copy could be made)</source>
        <translation>(no se pudo hacer ninguna copia)</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="286" />
        <source>A saved project was damaged</source>
        <translation>Un proyecto guardado estaba dañado</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="287" />
        <source>The saved project was damaged; what could be read is open. The damaged file is kept as %1</source>
        <translation>El proyecto guardado estaba dañado; está abierto lo que se pudo leer. El archivo dañado se conserva como %1</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <location filename="../qml/Screens.qml" line="46" />
        <source>Some photos are missing</source>
        <translation>Faltan algunas fotos</translation>
    </message>
    <message>
        <location filename="../qml/Screens.qml" line="47" />
        <source>These photos were moved or deleted after they were added. Remove them from the project and make the video without them, or go back to the editor.</source>
        <translation>Estas fotos se movieron o eliminaron después de añadirlas. Quítalas del proyecto y crea el vídeo sin ellas, o vuelve al editor.</translation>
    </message>
    <message>
        <location filename="../qml/Screens.qml" line="48" />
        <source>Back to the Editor</source>
        <translation>Volver al editor</translation>
    </message>
    <message>
        <location filename="../qml/Screens.qml" line="49" />
        <source>Remove and Make Video</source>
        <translation>Quitar y crear el vídeo</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <location filename="../src/app/SettingsPres.cpp" line="55" />
        <source>The result folder cannot be used</source>
        <translation>No se puede usar la carpeta de destino</translation>
    </message>
    <message>
        <location filename="../src/app/SettingsPres.cpp" line="56" />
        <source>Please select another Result Directory. Can't create output file in</source>
        <translation>Elige otra carpeta de destino. No se puede crear el archivo en</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="18" />
        <source>Video settings</source>
        <translation>Ajustes del vídeo</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="23" />
        <source>Result Directory</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="26" />
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="54" />
        <source>Video Quality</source>
        <translation>Calidad del vídeo</translation>
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
        <translation>CREAR VÍDEO</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="86" />
        <source>Finding the beat of the music…</source>
        <translation>Buscando el ritmo de la música…</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="95" />
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>SkippedFilesNotice</name>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="5" />
        <source>Some files were not added</source>
        <translation>Algunos archivos no se añadieron</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="13" />
        <source>, and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="21" />
        <source>Photos that cannot be read, damaged or in a format this system cannot open: %1.</source>
        <translation>Fotos que no se pueden leer, dañadas o en un formato que este sistema no puede abrir: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="25" />
        <source>Music that cannot be played, damaged or holding no sound: %1.</source>
        <translation>Música que no se puede reproducir, dañada o sin sonido: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="28" />
        <source>Neither photos nor music: %1.</source>
        <translation>Ni fotos ni música: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="32" />
        <source>Files not added: %1.</source>
        <translation>Archivos no añadidos: %1.</translation>
    </message>
</context>
<context>
    <name>SlideGridPres</name>
    <message>
        <location filename="../src/app/SlideGridPres.cpp" line="248" />
        <source>%1/90: a text slide holds up to 90 characters</source>
        <translation>%1/90: una diapositiva de texto admite hasta 90 caracteres</translation>
    </message>
</context>
<context>
    <name>ThemeThumb</name>
    <message>
        <location filename="../qml/ThemeThumb.qml" line="43" />
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <location filename="../qml/ThemeThumb.qml" line="60" />
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location filename="../qml/ThemeThumb.qml" line="62" />
        <source>Play this theme with sample pictures</source>
        <translation>Reproducir este tema con imágenes de ejemplo</translation>
    </message>
</context>
<context>
    <name>ThemesScreen</name>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="36" />
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="36" />
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="41" />
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="65" />
        <source>Select Theme</source>
        <translation>Elige un tema</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="71" />
        <source>New Slideshow</source>
        <translation>Nueva presentación</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="92" />
        <source>Subscribe for new Themes and Updates</source>
        <translation>Suscríbete para recibir temas nuevos y novedades</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="99" />
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="103" />
        <source>Subscribe</source>
        <translation>Suscribirse</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <location filename="../qml/TimelineBar.qml" line="81" />
        <source>Pace: %1</source>
        <translation>Ritmo: %1</translation>
    </message>
    <message>
        <location filename="../qml/TimelineBar.qml" line="102" />
        <source>Fit to music</source>
        <translation>Ajustar a la música</translation>
    </message>
    <message>
        <location filename="../qml/TimelineBar.qml" line="110" />
        <source>Cut on the beat</source>
        <translation>Cortar al ritmo</translation>
    </message>
    <message>
        <location filename="../qml/TimelineBar.qml" line="120" />
        <source>Edit Audio</source>
        <translation>Editar música</translation>
    </message>
    <message>
        <location filename="../qml/TimelineBar.qml" line="120" />
        <source>Add Audio</source>
        <translation>Añadir música</translation>
    </message>
</context>
<context>
    <name>VideoOutputWorker</name>
    <message>
        <location filename="../src/media/VideoOutputWorker.cpp" line="73" />
        <source>The video could not be written to %1. Check that the disk has free space and that the folder can be written to, then make the video again.</source>
        <translation>No se pudo escribir el vídeo en %1. Compruebe que el disco tiene espacio libre y que se puede escribir en la carpeta, y vuelva a crear el vídeo.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../qml/main.qml" line="114" />
        <source>A video is being made</source>
        <translation>Se está creando un vídeo</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="115" />
        <source>If you quit now, the video stops and the unfinished file is removed. Your project is saved either way.</source>
        <translation>Si sales ahora, el vídeo se detiene y se elimina el archivo sin terminar. Tu proyecto se guarda en cualquier caso.</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="116" />
        <source>Keep Rendering</source>
        <translation>Seguir creando</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="117" />
        <source>Stop and Quit</source>
        <translation>Detener y salir</translation>
    </message>
</context>
</TS>