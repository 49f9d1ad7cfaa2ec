# Writes the window's picture and the program's icon into C++ source as the files hold them, byte
# for byte, for a program whose toolkit decodes them itself. Run by the build:
#   cmake -DOUTPUT=EmbeddedFiles.cpp -DPICTURE=warships.jpg -DICON=tavrelin-32.png -P EmbedFiles.cmake

# Appends one file as the definition of a span of its bytes, sixteen to a line.
function(embed name file)
    file(READ ${file} hex HEX)
    string(LENGTH "${hex}" length)
    math(EXPR last "${length} - 1")
    set(lines "")
    foreach(offset RANGE 0 ${last} 32)
        string(SUBSTRING "${hex}" ${offset} 32 line)
        string(REGEX REPLACE "(..)" " 0x\\1," line "${line}")
        string(APPEND lines "   ${line}\n")
    endforeach()
    file(APPEND ${OUTPUT} "constexpr std::uint8_t ${name}_BYTES[] = {\n${lines}};\n"
        "const std::span<const std::uint8_t> ${name}{${name}_BYTES};\n\n")
endfunction()

file(WRITE ${OUTPUT} "// Made by the build from the picture and the icon in assets/; not to be edited.\n\n"
    "#include \"EmbeddedFiles.h\"\n\nnamespace tavrelin::assets {\n\n")
embed(WARSHIPS_JPEG ${PICTURE})
embed(ICON_PNG ${ICON})
file(APPEND ${OUTPUT} "}  // namespace tavrelin::assets\n")
