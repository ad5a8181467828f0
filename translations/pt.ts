<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt_BR">
<context>
    <name>AVInput</name>
    <message>
        <location filename="../src/media/AVInput.cpp" line="48" />
        <source>The music file %1 cannot be played. Check that it is still there, or choose another track.</source>
        <translation>Não é possível tocar o arquivo de música %1. Verifique se ele ainda existe ou escolha outra faixa.</translation>
    </message>
    <message>
        <location filename="../src/media/AVInput.cpp" line="51" />
        <source>The theme's background video %1 cannot be played. Download the theme again, or choose another theme.</source>
        <translation>Não é possível reproduzir o vídeo de fundo %1 do tema. Baixe o tema novamente ou escolha outro tema.</translation>
    </message>
    <message>
        <location filename="../src/media/AVInput.cpp" line="77" />
        <source>the file holds no sound</source>
        <translation>o arquivo não contém som</translation>
    </message>
    <message>
        <location filename="../src/media/AVInput.cpp" line="78" />
        <source>the file holds no pictures</source>
        <translation>o arquivo não contém imagens</translation>
    </message>
</context>
<context>
    <name>AddBackgroundMusicScreen</name>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="15" />
        <source>Add Background Music</source>
        <translation>Adicionar música de fundo</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="33" />
        <source>Open Audio File</source>
        <translation>Abrir arquivo de áudio</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="38" />
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="44" />
        <source>Skip Audio</source>
        <translation>Continuar sem música</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="52" />
        <source>Back to Themes</source>
        <translation>Voltar aos temas</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="61" />
        <source>Open Audio File (%1)</source>
        <translation>Abrir arquivo de áudio (%1)</translation>
    </message>
</context>
<context>
    <name>BeatsPres</name>
    <message>
        <location filename="../src/app/BeatsPres.cpp" line="101" />
        <source>Finding the beat of “%1”: %2 %</source>
        <translation>Procurando a batida de “%1”: %2 %</translation>
    </message>
    <message>
        <location filename="../src/app/BeatsPres.cpp" line="107" />
        <source>No beat was found in %1, so its scenes are not cut on the beat.</source>
        <translation>Nenhuma batida encontrada em %1, então suas cenas não são cortadas na batida.</translation>
    </message>
</context>
<context>
    <name>DoneScreen</name>
    <message>
        <location filename="../qml/DoneScreen.qml" line="14" />
        <source>Your video is ready</source>
        <translation>Seu vídeo está pronto</translation>
    </message>
    <message>
        <location filename="../qml/DoneScreen.qml" line="19" />
        <source>Play Video</source>
        <translation>Reproduzir vídeo</translation>
    </message>
    <message>
        <location filename="../qml/DoneScreen.qml" line="24" />
        <source>Open Folder containing Video</source>
        <translation>Abrir a pasta do vídeo</translation>
    </message>
    <message>
        <location filename="../qml/DoneScreen.qml" line="32" />
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="14" />
        <source>Downloading Theme</source>
        <translation>Baixando o tema</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="34" />
        <source>Downloading theme's files from internet.</source>
        <translation>Baixando os arquivos do tema da internet.</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="35" />
        <source>Depending on your internet connection speed</source>
        <translation>Dependendo da velocidade da sua conexão</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="36" />
        <source>it can take up to few minutes.</source>
        <translation>isso pode levar alguns minutos.</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="37" />
        <source>This files will be downloaded only once.</source>
        <translation>Esses arquivos são baixados apenas uma vez.</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="44" />
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <location filename="../src/base/Failure.cpp" line="15" />
        <source>%1
The system said: %2.</source>
        <translation>%1
O sistema informou: %2.</translation>
    </message>
</context>
<context>
    <name>LibavRender</name>
    <message>
        <location filename="../src/engine/LibavRender.cpp" line="87" />
        <source>The video file disappeared while it was being written: %1</source>
        <translation>O arquivo de vídeo desapareceu enquanto era gravado: %1</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <location filename="../qml/MainScreen.qml" line="49" />
        <source>Add Images</source>
        <translation>Adicionar imagens</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="60" />
        <source>Add Files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="66" />
        <source>Add Folder with Images</source>
        <translation>Adicionar pasta com imagens</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="73" />
        <source>Add Text Scene</source>
        <translation>Adicionar cena de texto</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="78" />
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="78" />
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="84" />
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="87" />
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Desfazer: %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="92" />
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="95" />
        <source>Redo %1 (Ctrl+Shift+Z)</source>
        <translation>Refazer: %1 (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="128" />
        <source>Click Add Images to add your photos</source>
        <translation>Clique em “Adicionar imagens” para adicionar suas fotos</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="134" />
        <source>Click Add Text Scene to add titles between slides</source>
        <translation>Clique em “Adicionar cena de texto” para pôr títulos entre os slides</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="158" />
        <source>Back to Themes</source>
        <translation>Voltar aos temas</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="166" />
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="180" />
        <location filename="../qml/MainScreen.qml" line="191" />
        <source>Import Image Files (%1)</source>
        <translation>Importar imagens (%1)</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="202" />
        <source>Open Audio File (%1)</source>
        <translation>Abrir arquivo de áudio (%1)</translation>
    </message>
</context>
<context>
    <name>MediaFileInfo</name>
    <message>
        <location filename="../src/media/MediaFileInfo.cpp" line="34" />
        <source>The file %1 holds no music that can be played. Choose another track.</source>
        <translation>O arquivo %1 não contém música que possa ser tocada. Escolha outra faixa.</translation>
    </message>
</context>
<context>
    <name>PhotoGrid</name>
    <message>
        <location filename="../qml/PhotoGrid.qml" line="178" />
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from final video</source>
        <translation>Você tem slides demais para a duração da música. As imagens e textos abaixo ficarão fora do vídeo</translation>
    </message>
    <message>
        <location filename="../qml/PhotoGrid.qml" line="235" />
        <source>Turn left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <location filename="../qml/PhotoGrid.qml" line="244" />
        <source>Turn right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <location filename="../qml/PhotoGrid.qml" line="252" />
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
</context>
<context>
    <name>PlanPlayer</name>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="51" />
        <source>The theme cannot be used: its description is missing or cannot be read.</source>
        <translation>O tema não pode ser usado: sua descrição está ausente ou ilegível.</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="55" />
        <source>There is nothing to put into a video: the project has no slides.</source>
        <translation>Não há nada para pôr num vídeo: o projeto não tem slides.</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="120" />
        <source>The theme's background %1 cannot be played, so the video cannot be made. Download the theme again, or choose another theme.</source>
        <translation>Não é possível reproduzir o fundo %1 do tema, por isso o vídeo não pode ser criado. Baixe o tema novamente ou escolha outro tema.</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="135" />
        <source>The video leaves a place empty for each photo that cannot be read. Check that these files are still there, or take them out of the slideshow:
%1</source>
        <translation>O vídeo deixa um espaço vazio para cada foto que não pode ser lida. Verifique se estes arquivos ainda existem ou retire-os da apresentação:
%1</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="235" />
        <source>The theme cannot play its scene %1: the video cannot be made.</source>
        <translation>O tema não consegue reproduzir a cena %1: o vídeo não pode ser criado.</translation>
    </message>
</context>
<context>
    <name>PopupAddTextScene</name>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="23" />
        <source>Add Text Scene</source>
        <translation>Adicionar cena de texto</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="23" />
        <source>Edit Text Scene</source>
        <translation>Editar cena de texto</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="29" />
        <source>Type your text here...</source>
        <translation>Digite seu texto aqui...</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="52" />
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Editar música</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracks.qml" line="20" />
        <source>Add Audio</source>
        <translation>Adicionar música</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracks.qml" line="25" />
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
</context>
<context>
    <name>PopupAudioTracksList</name>
    <message>
        <location filename="../qml/PopupAudioTracksList.qml" line="44" />
        <source>Play earlier</source>
        <translation>Tocar antes</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracksList.qml" line="52" />
        <source>Play later</source>
        <translation>Tocar depois</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracksList.qml" line="58" />
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
</context>
<context>
    <name>PopupCommonError</name>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="9" />
        <location filename="../qml/PopupCommonError.qml" line="15" />
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="38" />
        <source>If this problem persists, please contact our support at </source>
        <translation>Se o problema continuar, fale com nosso suporte em </translation>
    </message>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="40" />
        <source>or via email</source>
        <translation>ou por e-mail</translation>
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
        <translation>Problema de rede</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="22" />
        <source>We have problem with downloading files from internet.</source>
        <translation>Houve um problema ao baixar os arquivos.</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="23" />
        <source>Please check your internet connection and try again.</source>
        <translation>Verifique sua conexão com a internet e tente novamente.</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="24" />
        <source>If this problem persists, please contact our support at </source>
        <translation>Se o problema continuar, fale com nosso suporte em </translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="32" />
        <source>Select other</source>
        <translation>Escolher outro</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="39" />
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
</context>
<context>
    <name>PopupLeaveMsg</name>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="21" />
        <source>Something seems to have gone wrong during the last Lumavive session. Send us a short message about what is the last thing you did before Lumavive crashed. It helps us fix issues quickly.
Thank you.</source>
        <translation>Parece que algo deu errado na última sessão do Lumavive. Conte-nos brevemente o que você fez antes de o Lumavive travar. Isso nos ajuda a corrigir problemas rapidamente.
Obrigado.</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="26" />
        <source>Type your message here...</source>
        <translation>Digite sua mensagem aqui...</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="30" />
        <source>Don’t ask again</source>
        <translation>Não perguntar novamente</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="36" />
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>As imagens ausentes serão ignoradas</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PreviewAudio</name>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="44" />
        <source>No sound device was found: the preview plays without music.</source>
        <translation>Nenhum dispositivo de som encontrado: a prévia é reproduzida sem música.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="48" />
        <source>The sound device cannot play the music: the preview plays without it.</source>
        <translation>O dispositivo de som não consegue reproduzir a música: a prévia é reproduzida sem ela.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="62" />
        <source>The sound device cannot be opened: the preview plays without music.</source>
        <translation>Não é possível abrir o dispositivo de som: a prévia é reproduzida sem música.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="73" />
        <source>The sound device stopped: the preview plays on without music.</source>
        <translation>O dispositivo de som parou: a prévia continua sem música.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="89" />
        <source>The sound device stopped taking the music: the preview plays on without it.</source>
        <translation>O dispositivo de som parou de aceitar a música: a prévia continua sem ela.</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <location filename="../qml/PreviewPane.qml" line="44" />
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <location filename="../qml/PreviewPane.qml" line="44" />
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <location filename="../qml/PreviewPane.qml" line="55" />
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>PreviewPres</name>
    <message>
        <location filename="../src/app/PreviewPres.cpp" line="153" />
        <source>Your title here</source>
        <translation>Seu título aqui</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="142" />
        <source>Remove Missing Photos</source>
        <translation>Remover fotos ausentes</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="221" />
        <source>Change Theme</source>
        <translation>Trocar tema</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="226" />
        <source>%1 s a photo</source>
        <translation>%1 s por foto</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="226" />
        <source>The theme's pace</source>
        <translation>Ritmo do tema</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="237" />
        <source>Change Pace</source>
        <translation>Alterar ritmo</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="243" />
        <source>Fit to Music</source>
        <translation>Ajustar à música</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="243" />
        <source>Stop Fitting to Music</source>
        <translation>Parar de ajustar à música</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="250" />
        <source>Cut on the Beat</source>
        <translation>Cortar na batida</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="250" />
        <source>Stop Cutting on the Beat</source>
        <translation>Parar de cortar na batida</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="346" />
        <source>The video lasts %1 s; the last %2 s of the music are left out.</source>
        <translation>O vídeo dura %1 s; os últimos %2 s da música ficam de fora.</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="364" />
        <source>Click here to Add Background Music</source>
        <translation>Clique aqui para adicionar música de fundo</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/ProjectPres.cpp" line="366" />
        <source>%n Audio Files</source>
        <translation><numerusform>%n arquivo de áudio</numerusform><numerusform>%n arquivos de áudio</numerusform></translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="391" />
        <source>Audio Files</source>
        <translation>arquivos de áudio</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="436" />
        <source>Add Music</source>
        <translation>Adicionar música</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="447" />
        <source>Remove Music</source>
        <translation>Remover música</translation>
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
        <translation>Adicionar fotos</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="534" />
        <source>Add Text</source>
        <translation>Adicionar texto</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="550" />
        <location filename="../src/app/ProjectPres.cpp" line="567" />
        <source>Remove Slide</source>
        <translation>Remover slide</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="550" />
        <source>Remove Slides</source>
        <translation>Remover slides</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="558" />
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="576" />
        <source>Move Slides</source>
        <translation>Mover slides</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="584" />
        <source>Turn Photo</source>
        <translation>Girar foto</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="629" />
        <source>Add Files</source>
        <translation>Adicionar arquivos</translation>
    </message>
</context>
<context>
    <name>ProjectsView</name>
    <message>
        <location filename="../qml/ProjectsView.qml" line="15" />
        <source>My Recent Projects</source>
        <translation>Meus projetos recentes</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="20" />
        <source>Hide all</source>
        <translation>Ocultar todos</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="20" />
        <source>Show all</source>
        <translation>Mostrar todos</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="100" />
        <source>Resume project</source>
        <translation>Retomar projeto</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="110" />
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="121" />
        <source>Delete project</source>
        <translation>Excluir projeto</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="124" />
        <source>“%1” of %2 is deleted for good. The photos and music it uses stay where they are.</source>
        <translation>“%1” de %2 será excluído para sempre. As fotos e músicas usadas continuam onde estão.</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="141" />
        <source>Rename Project</source>
        <translation>Renomear projeto</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="146" />
        <source>A name for this slideshow</source>
        <translation>Um nome para esta apresentação</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="153" />
        <source>Its videos are named after it.</source>
        <translation>Os vídeos dele terão este nome.</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="159" />
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="165" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="179" />
        <source>Delete this project?</source>
        <translation>Excluir este projeto?</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="180" />
        <source>Keep</source>
        <translation>Manter</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="181" />
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="187" />
        <source>... load more</source>
        <translation>... carregar mais</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/templates/TemplateParser.cpp" line="420" />
        <source>The theme description cannot be read: %1</source>
        <translation>Não é possível ler a descrição do tema: %1</translation>
    </message>
</context>
<context>
    <name>RenderPres</name>
    <message>
        <location filename="../src/app/RenderPres.cpp" line="213" />
        <source>Something went wrong while the video was made; no file was written.</source>
        <translation>Algo deu errado ao criar o vídeo; nenhum arquivo foi gravado.</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <location filename="../qml/RenderingScreen.qml" line="15" />
        <source>Making Video</source>
        <translation>Criando o vídeo</translation>
    </message>
    <message>
        <location filename="../qml/RenderingScreen.qml" line="15" />
        <source>The video could not be made</source>
        <translation>Não foi possível criar o vídeo</translation>
    </message>
    <message>
        <location filename="../qml/RenderingScreen.qml" line="57" />
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>SavedProjectsPres</name>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="213" />
        <source>The project could not be renamed</source>
        <translation>Não foi possível renomear o projeto</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="214" />
        <source>Its folder cannot be written: %1</source>
        <translation>Não é possível gravar na pasta: %1</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="242" />
        <source>The project could not be saved</source>
        <translation>Não foi possível salvar o projeto</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="243" />
        <source>The project could not be saved in %1. Check that the disk has free space.</source>
        <translation>Não foi possível salvar o projeto em %1. Verifique se há espaço livre no disco.</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="276" />
        <source>A saved project cannot be read</source>
        <translation>Não é possível ler um projeto salvo</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="277" />
        <source>The saved project cannot be read: %1</source>
        <translation>O projeto salvo não pode ser lido: %1</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="284" />
        <source>(no copy could be made)</source>
        <translation>(não foi possível fazer uma cópia)</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="286" />
        <source>A saved project was damaged</source>
        <translation>Um projeto salvo estava danificado</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="287" />
        <source>The saved project was damaged; what could be read is open. The damaged file is kept as %1</source>
        <translation>O projeto salvo estava danificado; o que pôde ser lido está aberto. O arquivo danificado é mantido como %1</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <location filename="../qml/Screens.qml" line="46" />
        <source>Some photos are missing</source>
        <translation>Algumas fotos estão faltando</translation>
    </message>
    <message>
        <location filename="../qml/Screens.qml" line="47" />
        <source>These photos were moved or deleted after they were added. Remove them from the project and make the video without them, or go back to the editor.</source>
        <translation>Estas fotos foram movidas ou excluídas depois de adicionadas. Remova-as do projeto e crie o vídeo sem elas, ou volte ao editor.</translation>
    </message>
    <message>
        <location filename="../qml/Screens.qml" line="48" />
        <source>Back to the Editor</source>
        <translation>Voltar ao editor</translation>
    </message>
    <message>
        <location filename="../qml/Screens.qml" line="49" />
        <source>Remove and Make Video</source>
        <translation>Remover e criar o vídeo</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <location filename="../src/app/SettingsPres.cpp" line="55" />
        <source>The result folder cannot be used</source>
        <translation>Não é possível usar a pasta de destino</translation>
    </message>
    <message>
        <location filename="../src/app/SettingsPres.cpp" line="56" />
        <source>Please select another Result Directory. Can't create output file in</source>
        <translation>Escolha outra pasta de destino. Não é possível criar o arquivo em</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="18" />
        <source>Video settings</source>
        <translation>Configurações do vídeo</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="23" />
        <source>Result Directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="26" />
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="54" />
        <source>Video Quality</source>
        <translation>Qualidade do vídeo</translation>
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
        <translation>CRIAR VÍDEO</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="86" />
        <source>Finding the beat of the music…</source>
        <translation>Procurando a batida da música…</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="95" />
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>SkippedFilesNotice</name>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="5" />
        <source>Some files were not added</source>
        <translation>Alguns arquivos não foram adicionados</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="13" />
        <source>, and %1 more</source>
        <translation> e mais %1</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="21" />
        <source>Photos that cannot be read, damaged or in a format this system cannot open: %1.</source>
        <translation>Fotos que não podem ser lidas, danificadas ou em um formato que este sistema não abre: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="25" />
        <source>Music that cannot be played, damaged or holding no sound: %1.</source>
        <translation>Música que não pode ser reproduzida, danificada ou sem som: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="28" />
        <source>Neither photos nor music: %1.</source>
        <translation>Nem fotos nem música: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/SkippedFilesNotice.cpp" line="32" />
        <source>Files not added: %1.</source>
        <translation>Arquivos não adicionados: %1.</translation>
    </message>
</context>
<context>
    <name>SlideGridPres</name>
    <message>
        <location filename="../src/app/SlideGridPres.cpp" line="248" />
        <source>%1/90: a text slide holds up to 90 characters</source>
        <translation>%1/90: um slide de texto aceita até 90 caracteres</translation>
    </message>
</context>
<context>
    <name>ThemeThumb</name>
    <message>
        <location filename="../qml/ThemeThumb.qml" line="43" />
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <location filename="../qml/ThemeThumb.qml" line="60" />
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <location filename="../qml/ThemeThumb.qml" line="62" />
        <source>Play this theme with sample pictures</source>
        <translation>Reproduzir este tema com imagens de exemplo</translation>
    </message>
</context>
<context>
    <name>ThemesScreen</name>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="36" />
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="36" />
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="41" />
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="65" />
        <source>Select Theme</source>
        <translation>Escolha um tema</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="71" />
        <source>New Slideshow</source>
        <translation>Nova apresentação</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="92" />
        <source>Subscribe for new Themes and Updates</source>
        <translation>Assine para receber novos temas e novidades</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="99" />
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="103" />
        <source>Subscribe</source>
        <translation>Assinar</translation>
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
        <translation>Ajustar à música</translation>
    </message>
    <message>
        <location filename="../qml/TimelineBar.qml" line="110" />
        <source>Cut on the beat</source>
        <translation>Cortar na batida</translation>
    </message>
    <message>
        <location filename="../qml/TimelineBar.qml" line="120" />
        <source>Edit Audio</source>
        <translation>Editar música</translation>
    </message>
    <message>
        <location filename="../qml/TimelineBar.qml" line="120" />
        <source>Add Audio</source>
        <translation>Adicionar música</translation>
    </message>
</context>
<context>
    <name>VideoOutputWorker</name>
    <message>
        <location filename="../src/media/VideoOutputWorker.cpp" line="73" />
        <source>The video could not be written to %1. Check that the disk has free space and that the folder can be written to, then make the video again.</source>
        <translation>Não foi possível gravar o vídeo em %1. Verifique se o disco tem espaço livre e se a pasta permite gravação, depois crie o vídeo novamente.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../qml/main.qml" line="114" />
        <source>A video is being made</source>
        <translation>Um vídeo está sendo criado</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="115" />
        <source>If you quit now, the video stops and the unfinished file is removed. Your project is saved either way.</source>
        <translation>Se você sair agora, o vídeo para e o arquivo inacabado é removido. Seu projeto é salvo de qualquer forma.</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="116" />
        <source>Keep Rendering</source>
        <translation>Continuar criando</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="117" />
        <source>Stop and Quit</source>
        <translation>Parar e sair</translation>
    </message>
</context>
</TS>