# Settings that the program's own targets take.

# The program throws nothing and asks no types, so on Windows it links none of
# the C++ runtime's exception machinery (a hundred kilobytes of it), and its
# executables carry no symbols.
function(gensen_lean target)
    if(WIN32)
        target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "EXECUTABLE")
            target_link_options(${target} PRIVATE -s)
        endif()
    endif()
endfunction()

# The form's texts are code page 932 bytes. Only the Win32 sources get the
# conversion: some standard headers hold literals that CP932 cannot encode.
function(gensen_use_japanese_texts target)
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP932)
endfunction()
