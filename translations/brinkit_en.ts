<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>brinkit</name>
    <message>
        <source> Orbisk - English Version ! - Ver.1.20</source>
        <translation> Orbisk - English Version ! - Ver.1.20</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>%1
&#13;はすでに存在します。上書きしますか？</source>
        <translation>%1
already exists. Replace it?</translation>
    </message>
    <message>
        <source>%1 %2 written</source>
        <translation>%1 %2 written</translation>
    </message>
    <message>
        <source>%1 is not a folder that can be opened.</source>
        <translation>%1 is not a folder that can be opened.</translation>
    </message>
    <message>
        <source>%1 は既にあります。
上書: このファイルを置き換えます
新規: 別の名前で出力します</source>
        <translation>%1 already exists.
Replace: write over this file
New name: write under another name</translation>
    </message>
    <message>
        <source>%1が存在しません</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>%1個のファイルが見つかりました</source>
        <translation>Files found: %1</translation>
    </message>
    <message>
        <source>%1分%2秒</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>&amp;Code Page</source>
        <translation>&amp;Code Page</translation>
    </message>
    <message>
        <source>&amp;Drive:</source>
        <translation>&amp;Drive:</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Files</translation>
    </message>
    <message>
        <source>&amp;Japanese (932)</source>
        <translation>&amp;Japanese (932)</translation>
    </message>
    <message>
        <source>&amp;Western (1252)</source>
        <translation>&amp;Western (1252)</translation>
    </message>
    <message>
        <source>/ %1分%2秒</source>
        <translation>/ %1 min %2 s</translation>
    </message>
    <message>
        <source>/ %1秒</source>
        <translation>/ %1 s</translation>
    </message>
    <message>
        <source>0 - 127</source>
        <translation>0 - 127</translation>
    </message>
    <message>
        <source>A height of 0 is written as it stands.</source>
        <translation>A height of 0 is written as it stands.</translation>
    </message>
    <message>
        <source>A number (%1).</source>
        <translation>A number (%1).</translation>
    </message>
    <message>
        <source>A number from %1 to %2 (%3).</source>
        <translation>A number from %1 to %2 (%3).</translation>
    </message>
    <message>
        <source>A number from %1 to %2.</source>
        <translation>A number from %1 to %2.</translation>
    </message>
    <message>
        <source>A number.</source>
        <translation>A number.</translation>
    </message>
    <message>
        <source>A whole number from %1 to %2 (%3).</source>
        <translation>A whole number from %1 to %2 (%3).</translation>
    </message>
    <message>
        <source>A whole number from %1 to %2.</source>
        <translation>A whole number from %1 to %2.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>About Pelletry</source>
        <translation>About Pelletry</translation>
    </message>
    <message>
        <source>Add an animation frame (a bitmap) to the strip</source>
        <translation>Add an animation frame (a bitmap) to the strip</translation>
    </message>
    <message>
        <source>Add frame</source>
        <translation>Add frame</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspect</translation>
    </message>
    <message>
        <source>BITMAP</source>
        <translation>BITMAP</translation>
    </message>
    <message>
        <source>Brinmoor.rez</source>
        <translation>Brinmoor.rez</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <source>Ca</source>
        <translation>Ca</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Cannot make the folder %1.</translation>
    </message>
    <message>
        <source>Carbo hydrate</source>
        <translation>Carbohydrate</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Change folder</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Choose Folder</translation>
    </message>
    <message>
        <source>Choose the food's picture (a bitmap)</source>
        <translation>Choose the food's picture (a bitmap)</translation>
    </message>
    <message>
        <source>Cl</source>
        <translation>Cl</translation>
    </message>
    <message>
        <source>Click a path box to choose its bitmap.</source>
        <translation>Click a path box to choose its bitmap.</translation>
    </message>
    <message>
        <source>Click to choose the Description file</source>
        <translation>Click to choose the Description file</translation>
    </message>
    <message>
        <source>Click to choose the FRONT file</source>
        <translation>Click to choose the FRONT file</translation>
    </message>
    <message>
        <source>Click to choose the ICON file</source>
        <translation>Click to choose the ICON file</translation>
    </message>
    <message>
        <source>Click to choose the TOP file</source>
        <translation>Click to choose the TOP file</translation>
    </message>
    <message>
        <source>Click to choose the aspect bitmap</source>
        <translation>Click to choose the aspect bitmap</translation>
    </message>
    <message>
        <source>Click to choose the fish or tank file, or drop it on the window</source>
        <translation>Click to choose the fish or tank file, or drop it on the window</translation>
    </message>
    <message>
        <source>Click to choose the surface bitmap</source>
        <translation>Click to choose the surface bitmap</translation>
    </message>
    <message>
        <source>Click to choose…</source>
        <translation>Click to choose…</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Click to close</translation>
    </message>
    <message>
        <source>Click to close the preview</source>
        <translation>Click to close the preview</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Compress BMP</source>
        <translation>Compress BMP</translation>
    </message>
    <message>
        <source>Courage</source>
        <translation>Courage</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Currently selected output directory</source>
        <translation>Currently selected output directory</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Description Size is 1-512 bytes</source>
        <translation>Description Size is 1-512 bytes</translation>
    </message>
    <message>
        <source>Designate Aspect file</source>
        <translation>Designate Aspect file</translation>
    </message>
    <message>
        <source>Designate Description file</source>
        <translation>Designate Description file</translation>
    </message>
    <message>
        <source>Designate FRONT file</source>
        <translation>Designate FRONT file</translation>
    </message>
    <message>
        <source>Designate ICON file</source>
        <translation>Designate ICON file</translation>
    </message>
    <message>
        <source>Designate Surface file</source>
        <translation>Designate Surface file</translation>
    </message>
    <message>
        <source>Designate TOP file</source>
        <translation>Designate TOP file</translation>
    </message>
    <message>
        <source>Destinate</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Double-click %1 to choose it.</source>
        <translation>Double-click %1 to choose it.</translation>
    </message>
    <message>
        <source>Drop a fish file here, or press Cut.</source>
        <translation>Drop a fish file here, or press Cut.</translation>
    </message>
    <message>
        <source>Drop a frame here to take it out of the strip</source>
        <translation>Drop a frame here to take it out of the strip</translation>
    </message>
    <message>
        <source>Drop the icon bitmap or the frames folder here.</source>
        <translation>Drop the icon bitmap or the frames folder here.</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>EDIT</translation>
    </message>
    <message>
        <source>END</source>
        <translation>END</translation>
    </message>
    <message>
        <source>ERROR!!!</source>
        <translation>ERROR!!!</translation>
    </message>
    <message>
        <source>Each row holds a palette index: a whole number from 0 to 255.</source>
        <translation>Each row holds a palette index: a whole number from 0 to 255.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Edits all %1</source>
        <translation>Edits all %1</translation>
    </message>
    <message>
        <source>Edits all %1 fish in %2, whatever their kind</source>
        <translation>Edits all %1 fish in %2, whatever their kind</translation>
    </message>
    <message>
        <source>Edits the one %1</source>
        <translation>Edits the one %1</translation>
    </message>
    <message>
        <source>Eggs</source>
        <translation>Eggs</translation>
    </message>
    <message>
        <source>End Offset (hex)</source>
        <translation>End Offset (hex)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>F&amp;olders</source>
        <translation>F&amp;olders</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>FILL</source>
        <translation>FILL</translation>
    </message>
    <message>
        <source>FRONT</source>
        <translation>FRONT</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Fat</translation>
    </message>
    <message>
        <source>Fern Wright      Ver %1</source>
        <translation>Fern Wright      Ver %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>File differs</source>
        <translation>File differs</translation>
    </message>
    <message>
        <source>File you are currently working on</source>
        <translation>File you are currently working on</translation>
    </message>
    <message>
        <source>FileMode error</source>
        <translation>FileMode error</translation>
    </message>
    <message>
        <source>FileName</source>
        <translation>FileName</translation>
    </message>
    <message>
        <source>FileName error</source>
        <translation>FileName error</translation>
    </message>
    <message>
        <source>FileName short</source>
        <translation>FileName short</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filter(Layout)</source>
        <translation>Filter(Layout)</translation>
    </message>
    <message>
        <source>FinSplit for BRINMOOR    Ver%1</source>
        <translation>FinSplit for BRINMOOR    Ver%1</translation>
    </message>
    <message>
        <source>Find Ressources</source>
        <translation>Find Resources</translation>
    </message>
    <message>
        <source>Finwright cannot import files with RLE or 16M color format.</source>
        <translation>Finwright cannot import files with RLE or 16M color format.</translation>
    </message>
    <message>
        <source>Finwright for Brinmoor  Version %1</source>
        <translation>Finwright for Brinmoor  Version %1</translation>
    </message>
    <message>
        <source>First frame: %1 × %2 pixels%3</source>
        <translation>First frame: %1 × %2 pixels%3</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fish</translation>
    </message>
    <message>
        <source>Fish Icon</source>
        <translation>Fish Icon</translation>
    </message>
    <message>
        <source>Fish Kind</source>
        <translation>Fish Kind</translation>
    </message>
    <message>
        <source>Fish name</source>
        <translation>Fish name</translation>
    </message>
    <message>
        <source>Food Name</source>
        <translation>Food Name</translation>
    </message>
    <message>
        <source>Food files for the aquarium</source>
        <translation>Food files for the aquarium</translation>
    </message>
    <message>
        <source>Food kind %1</source>
        <translation>Food kind %1</translation>
    </message>
    <message>
        <source>Food kind 0-12</source>
        <translation>Food kind 0-12</translation>
    </message>
    <message>
        <source>Frame %1: drag it onto another frame to swap them, or onto the trash</source>
        <translation>Frame %1: drag it onto another frame to swap them, or onto the trash</translation>
    </message>
    <message>
        <source>Frames: %1 of %2</source>
        <translation>Frames: %1 of %2</translation>
    </message>
    <message>
        <source>Fullness</source>
        <translation>Fullness</translation>
    </message>
    <message>
        <source>GH</source>
        <translation>GH</translation>
    </message>
    <message>
        <source>Gene</source>
        <translation>Gene</translation>
    </message>
    <message>
        <source>Gene %1</source>
        <translation>Gene %1</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Guppy</source>
        <translation>Guppy</translation>
    </message>
    <message>
        <source>HNO3</source>
        <translation>HNO3</translation>
    </message>
    <message>
        <source>Habitat</source>
        <translation>Habitat</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Health</translation>
    </message>
    <message>
        <source>Heater</source>
        <translation>Heater</translation>
    </message>
    <message>
        <source>Heater(Layout)</source>
        <translation>Heater(Layout)</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>I D</source>
        <translation>I D</translation>
    </message>
    <message>
        <source>ICON</source>
        <translation>ICON</translation>
    </message>
    <message>
        <source>ICON resolution is 83x83 pixel with 256 color</source>
        <translation>ICON resolution is 83x83 pixels with 256 colours</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>ID is 0 - 127</source>
        <translation>ID is 0 - 127</translation>
    </message>
    <message>
        <source>ID is 128-32766</source>
        <translation>ID is 128-32766</translation>
    </message>
    <message>
        <source>INIT</source>
        <translation>INIT</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icon</translation>
    </message>
    <message>
        <source>Image Folder</source>
        <translation>Image Folder</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latin</translation>
    </message>
    <message>
        <source>Latin is 1-32 letters</source>
        <translation>Latin is 1-32 letters</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Library File differs</source>
        <translation>Library File differs</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>MAKE</source>
        <translation>MAKE</translation>
    </message>
    <message>
        <source>MAKE FISH</source>
        <translation>MAKE FISH</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>Mg</source>
        <translation>Mg</translation>
    </message>
    <message>
        <source>NG</source>
        <translation>NG</translation>
    </message>
    <message>
        <source>NH3</source>
        <translation>NH3</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name is 1-32 letters</source>
        <translation>Name is 1-32 letters</translation>
    </message>
    <message>
        <source>Name of the new folder in %1:</source>
        <translation>Name of the new folder in %1:</translation>
    </message>
    <message>
        <source>NetKeeper</source>
        <translation>NetKeeper</translation>
    </message>
    <message>
        <source>NetKeeperII</source>
        <translation>NetKeeperII</translation>
    </message>
    <message>
        <source>NetKeeperII    Version %1</source>
        <translation>NetKeeperII    Version %1</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Next resource</source>
        <translation>Next resource</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No fish animation in this file: nothing to draw.</source>
        <translation>No fish animation in this file: nothing to draw.</translation>
    </message>
    <message>
        <source>No icon</source>
        <translation>No icon</translation>
    </message>
    <message>
        <source>No preview</source>
        <translation>No preview</translation>
    </message>
    <message>
        <source>No sound device was found: the sound cannot be played here.</source>
        <translation>No sound device was found: the sound cannot be played here.</translation>
    </message>
    <message>
        <source>O2</source>
        <translation>O2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OPEN</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Orbisk</source>
        <translation>Orbisk</translation>
    </message>
    <message>
        <source>PH</source>
        <translation>PH</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Path error</source>
        <translation>Path error</translation>
    </message>
    <message>
        <source>Pelletry</source>
        <translation>Pelletry</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Play the frames as the food will move</source>
        <translation>Play the frames as the food will move</translation>
    </message>
    <message>
        <source>Please set Fish Name</source>
        <translation>Please set Fish Name</translation>
    </message>
    <message>
        <source>Please set Image Folder</source>
        <translation>Please set Image Folder</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>PreView</source>
        <translation>PreView</translation>
    </message>
    <message>
        <source>Preview selected ressource</source>
        <translation>Preview selected resource</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Previous resource</source>
        <translation>Previous resource</translation>
    </message>
    <message>
        <source>Protain</source>
        <translation>Protein</translation>
    </message>
    <message>
        <source>Read as %1, rounded to a whole number.</source>
        <translation>Read as %1, rounded to a whole number.</translation>
    </message>
    <message>
        <source>Read as %1, the largest value.</source>
        <translation>Read as %1, the largest value.</translation>
    </message>
    <message>
        <source>Read as %1, the smallest value.</source>
        <translation>Read as %1, the smallest value.</translation>
    </message>
    <message>
        <source>Read as %1: the box does not start with a number.</source>
        <translation>Read as %1: the box does not start with a number.</translation>
    </message>
    <message>
        <source>Read as %1: the text after the number is ignored.</source>
        <translation>Read as %1: the text after the number is ignored.</translation>
    </message>
    <message>
        <source>Redd</source>
        <translation>Redd</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Rendering the MIDI sound…</source>
        <translation>Rendering the MIDI sound…</translation>
    </message>
    <message>
        <source>Rendering the MIDI sound… %1%</source>
        <translation>Rendering the MIDI sound… %1%</translation>
    </message>
    <message>
        <source>Ressource Name</source>
        <translation>Resource Name</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Save Folder</translation>
    </message>
    <message>
        <source>Save selected Ressource</source>
        <translation>Save selected Resource</translation>
    </message>
    <message>
        <source>Save this resource into the output folder</source>
        <translation>Save this resource into the output folder</translation>
    </message>
    <message>
        <source>ScalePainter</source>
        <translation>ScalePainter</translation>
    </message>
    <message>
        <source>ScalePainter      Ver %1</source>
        <translation>ScalePainter      Ver %1</translation>
    </message>
    <message>
        <source>Scientifique</source>
        <translation>Scientifique</translation>
    </message>
    <message>
        <source>Scientifique is 1-32 letters</source>
        <translation>Scientifique is 1-32 letters</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Select File</translation>
    </message>
    <message>
        <source>Select Type of Ressource --&gt;</source>
        <translation>Select Type of Resource --&gt;</translation>
    </message>
    <message>
        <source>Select output directory where you want to save ressources</source>
        <translation>Select output directory where you want to save resources</translation>
    </message>
    <message>
        <source>SetFolder</source>
        <translation>SetFolder</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Size (Hex)</source>
        <translation>Size (Hex)</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Source Aquarium ?</source>
        <translation>Source Aquarium ?</translation>
    </message>
    <message>
        <source>Splicing</source>
        <translation>Splicing</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start Offset (hex)</source>
        <translation>Start Offset (hex)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Swap with the frame after</source>
        <translation>Swap with the frame after</translation>
    </message>
    <message>
        <source>Swap with the frame before</source>
        <translation>Swap with the frame before</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>TQ Grit Wright      Ver %1</source>
        <translation>TQ Grit Wright      Ver %1</translation>
    </message>
    <message>
        <source>TQ GritPress</source>
        <translation>TQ GritPress</translation>
    </message>
    <message>
        <source>Taller than the aspect bitmap (%1 pixels); written as typed.</source>
        <translation>Taller than the aspect bitmap (%1 pixels); written as typed.</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Tank</translation>
    </message>
    <message>
        <source>Tank of this version is not able to change</source>
        <translation>Tanks of this version cannot be changed.</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>The File Name box is empty: type the name of the file to write.</source>
        <translation>The File Name box is empty: type the name of the file to write.</translation>
    </message>
    <message>
        <source>The drive %1 cannot be read.</source>
        <translation>The drive %1 cannot be read.</translation>
    </message>
    <message>
        <source>The first frame does not lie within its animation set: nothing to draw.</source>
        <translation>The first frame does not lie within its animation set: nothing to draw.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>The folder %1 cannot be opened.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>The frame strip is full: a food file takes at most 25 frames.</source>
        <translation>The frame strip is full: a food file takes at most 25 frames.</translation>
    </message>
    <message>
        <source>The player cannot open %1.</source>
        <translation>The player cannot open %1.</translation>
    </message>
    <message>
        <source>The system cannot play this sound.</source>
        <translation>The system cannot play this sound.</translation>
    </message>
    <message>
        <source>There is not a image file.</source>
        <translation>There is no image file.</translation>
    </message>
    <message>
        <source>There is not original file</source>
        <translation>There is no original file.</translation>
    </message>
    <message>
        <source>This application has already been open</source>
        <translation>This application is already open.</translation>
    </message>
    <message>
        <source>Type or paste a folder and press Enter to go there</source>
        <translation>Type or paste a folder and press Enter to go there</translation>
    </message>
    <message>
        <source>Type the file to write in the Destinate box.</source>
        <translation>Type the file to write in the Destinate box.</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>UPDATE</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Vigor</source>
        <translation>Vigor</translation>
    </message>
    <message>
        <source>Vitamin</source>
        <translation>Vitamin</translation>
    </message>
    <message>
        <source>Vol Change</source>
        <translation>Vol Change</translation>
    </message>
    <message>
        <source>Vol(Litter)</source>
        <translation>Vol(Litre)</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>W/H=%1/%2 pixels=%3/%4 cm</source>
        <translation>W/H=%1/%2 pixels=%3/%4 cm</translation>
    </message>
    <message>
        <source>W/H=%1/%2 pixels=%3/%4cm Size=%5bytes</source>
        <translation>W/H=%1/%2 pixels=%3/%4cm Size=%5bytes</translation>
    </message>
    <message>
        <source>W/H=0/0 pixels</source>
        <translation>W/H=0/0 pixels</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WAVE</translation>
    </message>
    <message>
        <source>Watter Settings</source>
        <translation>Water Settings</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>Working…</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>You must enter an food name.</source>
        <translation>You must enter a food name.</translation>
    </message>
    <message>
        <source>You must set Icon image.</source>
        <translation>You must set Icon image.</translation>
    </message>
    <message>
        <source>days</source>
        <translation>days</translation>
    </message>
    <message>
        <source>detail</source>
        <translation>detail</translation>
    </message>
    <message>
        <source>egg</source>
        <translation>egg</translation>
    </message>
    <message>
        <source>eggs</source>
        <translation>eggs</translation>
    </message>
    <message>
        <source>init</source>
        <translation>init</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>litres</translation>
    </message>
    <message>
        <source>not 1 planes</source>
        <translation>not 1 planes</translation>
    </message>
    <message>
        <source>not 256 color</source>
        <translation>not 256 color</translation>
    </message>
    <message>
        <source>not BMP type</source>
        <translation>not BMP type</translation>
    </message>
    <message>
        <source>palette index</source>
        <translation>palette index</translation>
    </message>
    <message>
        <source>per ml</source>
        <translation>per ml</translation>
    </message>
    <message>
        <source>pixcel</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>ファイルは見つかりませんでした</source>
        <translation>No files were found.</translation>
    </message>
    <message>
        <source>ファイル名が正しくありません。</source>
        <translation>The file name is not valid.</translation>
    </message>
    <message>
        <source>フォルダ
&#13;
&#13;   %1
&#13;
&#13;の削除に失敗しました。このフォルダは「Orbisk」
&#13;が使いますので、なるべく他のファイルを入れないで下さい。</source>
        <translation>The folder

   %1

could not be deleted. Orbisk uses this folder,
so please keep other files out of it.</translation>
    </message>
    <message>
        <source>プレビュー - </source>
        <translation>Preview - </translation>
    </message>
    <message>
        <source>プレビュー - %1</source>
        <translation>Preview - %1</translation>
    </message>
    <message>
        <source>プレビューに失敗しました</source>
        <translation>The preview failed.</translation>
    </message>
    <message>
        <source>マイナス値はだめよ</source>
        <translation>Negative values are not allowed.</translation>
    </message>
    <message>
        <source>ロードエラー</source>
        <translation>Load error</translation>
    </message>
    <message>
        <source>上書</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>上面</source>
        <translation>Top view</translation>
    </message>
    <message>
        <source>上面 - %1</source>
        <translation>Top view - %1</translation>
    </message>
    <message>
        <source>上面と側面の256色ビットマップを調べて、
底砂ファイル (.grv) を作ります。</source>
        <translation>Checks the 256-colour top and side view bitmaps
and makes a gravel file (.grv) from them.</translation>
    </message>
    <message>
        <source>上面ファイル</source>
        <translation>Top view file</translation>
    </message>
    <message>
        <source>上面ファイルが正しくありません</source>
        <translation>The top view file is not valid.</translation>
    </message>
    <message>
        <source>保存先フォルダが存在しません。</source>
        <translation>The output folder does not exist.</translation>
    </message>
    <message>
        <source>側面</source>
        <translation>Side view</translation>
    </message>
    <message>
        <source>側面 - %1</source>
        <translation>Side view - %1</translation>
    </message>
    <message>
        <source>側面ファイル</source>
        <translation>Side view file</translation>
    </message>
    <message>
        <source>側面ファイルが正しくありません</source>
        <translation>The side view file is not valid.</translation>
    </message>
    <message>
        <source>出力</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>出力ファイル</source>
        <translation>Output file</translation>
    </message>
    <message>
        <source>出力ファイルが正しくありません</source>
        <translation>The output file is not valid.</translation>
    </message>
    <message>
        <source>出力先フォルダ
&#13;%1
&#13;が存在しません。ファイルの解凍に失敗しました。</source>
        <translation>The output folder
%1
does not exist. The file could not be extracted.</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>奥行</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>奥行が大きすぎるよ（65535まで）</source>
        <translation>Depth is too large (at most 65535).</translation>
    </message>
    <message>
        <source>奥行が数字じゃないよ</source>
        <translation>Depth is not a number.</translation>
    </message>
    <message>
        <source>完了</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>底砂|*.grv</source>
        <translation>Gravel|*.grv</translation>
    </message>
    <message>
        <source>新規</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>画像|*.bmp</source>
        <translation>Bitmaps|*.bmp</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>高さが大きすぎるよ（65535まで）</source>
        <translation>Height is too large (at most 65535).</translation>
    </message>
    <message>
        <source>高さが数字じゃないよ</source>
        <translation>Height is not a number.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Choose Fish &amp;Library…</source>
        <translation>Choose Fish &amp;Library…</translation>
    </message>
    <message>
        <source>Choose &amp;SoundFont…</source>
        <translation>Choose &amp;SoundFont…</translation>
    </message>
    <message>
        <source>&amp;Recent</source>
        <translation>&amp;Recent</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;As designed</source>
        <translation>&amp;As designed</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>No recent files</translation>
    </message>
    <message>
        <source>This file is no longer there.</source>
        <translation>This file is no longer there.</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 is no longer there.</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>All at once</source>
        <translation>All at once</translation>
    </message>
    <message>
        <source>Every animation side by side; click one to see it alone</source>
        <translation>Every animation side by side; click one to see it alone</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Previous frame</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Next frame</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Background…</source>
        <translation>Background…</translation>
    </message>
    <message>
        <source>The colour behind the fish, seen where a frame is transparent (index 0)</source>
        <translation>The colour behind the fish, seen where a frame is transparent (index 0)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Animation %1</source>
        <translation>Animation %1</translation>
    </message>
    <message>
        <source>%1: frames %2 to %3</source>
        <translation>%1: frames %2 to %3</translation>
    </message>
    <message>
        <source>Animation %1, frame %2</source>
        <translation>Animation %1, frame %2</translation>
    </message>
    <message>
        <source>1 frame a second</source>
        <translation>1 frame a second</translation>
    </message>
    <message>
        <source>%1 frames a second</source>
        <translation>%1 frames a second</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Frame %1: %2</source>
        <translation>Frame %1: %2</translation>
    </message>
    <message>
        <source>Frame %1 (%2 of %3), %4 × %5 pixels</source>
        <translation>Frame %1 (%2 of %3), %4 × %5 pixels</translation>
    </message>
    <message>
        <source>%1 of %2 frames are marked. The first, %3: %4</source>
        <translation>%1 of %2 frames are marked. The first, %3: %4</translation>
    </message>
    <message>
        <source>Step %1 of every animation</source>
        <translation>Step %1 of every animation</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Preview…</translation>
    </message>
    <message>
        <source>Play the frames of the image folder as the fish will move, before building</source>
        <translation>Play the frames of the image folder as the fish will move, before building</translation>
    </message>
    <message>
        <source>Preview of the frames</source>
        <translation>Preview of the frames</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Read the frames again, after they were changed</source>
        <translation>Read the frames again, after they were changed</translation>
    </message>
    <message>
        <source>All %1 frames in %2 can be built.</source>
        <translation>All %1 frames in %2 can be built.</translation>
    </message>
    <message>
        <source>1 of the %1 frames in %2 would be refused by Build: it is marked with a red cross.</source>
        <translation>1 of the %1 frames in %2 would be refused by Build: it is marked with a red cross.</translation>
    </message>
    <message>
        <source>%1 of the %2 frames in %3 would be refused by Build: they are marked with a red cross.</source>
        <translation>%1 of the %2 frames in %3 would be refused by Build: they are marked with a red cross.</translation>
    </message>
    <message>
        <source>Fish file</source>
        <translation>Fish file</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>Open a fish file (File › Open, or drop it on the window) to see its animations.</source>
        <translation>Open a fish file (File › Open, or drop it on the window) to see its animations.</translation>
    </message>
    <message>
        <source>No fish file</source>
        <translation>No fish file</translation>
    </message>
    <message>
        <source>Press Cut to write its frames to the save folder.</source>
        <translation>Press Cut to write its frames to the save folder.</translation>
    </message>
    <message>
        <source>Cannot cut %1: %2</source>
        <translation>Cannot cut %1: %2</translation>
    </message>
    <message>
        <source>No animation sets found in %1.</source>
        <translation>No animation sets found in %1.</translation>
    </message>
    <message>
        <source>PreView: the first fish's animations</source>
        <translation>PreView: the first fish's animations</translation>
    </message>
    <message>
        <source>The first fish of %1 through the palette table; a change of the table shows at once.</source>
        <translation>The first fish of %1 through the palette table; a change of the table shows at once.</translation>
    </message>
</context>
</TS>
