# Writes the list of the art the data build makes that a scene may name, for
# bm_scenec --art: one line each,
#   sprite TEXTURE AREA   an area of a texture's atlas script ("TEXTURE;AREA")
#   sprite * NAME         a sprite found by its name alone ("NAME")
#   back NAME             a background picture pair NAME_t / NAME_b
# Run as: cmake -DOUT=FILE "-DATLASES=a.lua;b.lua" "-DBACKS=x;y" -P ArtManifest.cmake
# The atlas scripts are the generated ones (UTF-16LE), read after bm_artgen.
set(lines "")
foreach(atlas ${ATLASES})
    file(STRINGS ${atlas} calls ENCODING UTF-16LE
         REGEX "createTextureInfo(Ex)?\\(\"|addTextureInfoNode5f\\(")
    set(texture "")
    foreach(call ${calls})
        if(call MATCHES "createTextureInfo\\(\"([^\"]+)\"")
            set(texture ${CMAKE_MATCH_1})
        endif()
        if(call MATCHES "addTextureInfoNode5f\\([^,]*, *\"([^\"]+)\"")
            list(APPEND lines "sprite ${texture} ${CMAKE_MATCH_1}")
        endif()
        if(call MATCHES "createTextureInfoEx\\(\"([^\"]+)\"")
            list(APPEND lines "sprite * ${CMAKE_MATCH_1}")
        endif()
    endforeach()
endforeach()
foreach(back ${BACKS})
    list(APPEND lines "back ${back}")
endforeach()
list(SORT lines)
list(JOIN lines "\n" text)
# Unchanged art leaves the file alone, so the scenes are not compiled again.
file(CONFIGURE OUTPUT ${OUT} CONTENT "${text}\n" @ONLY)
