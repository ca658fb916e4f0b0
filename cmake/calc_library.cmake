# calc_library(NAME sources...): the static library calc_NAME with its alias
# calc::NAME. Every target includes from the repository root, with paths that
# name the folder ("common/forms/form.h").
function(calc_library name)
    add_library(calc_${name} STATIC ${ARGN})
    add_library(calc::${name} ALIAS calc_${name})
    target_include_directories(calc_${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
