# cmake -DINPUT=file -DOUTPUT=file.cpp -P EmbedText.cmake
# Writes a C++ source whose lessonWindowDescription() returns INPUT's text.
file(READ ${INPUT} text)
string(FIND "${text}" ")embedded\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${INPUT} holds the raw-string delimiter")
endif()
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; do not edit.\n#include \"shell/ControlFactory.h\"\n\nnamespace shell {\nconst std::string& lessonWindowDescription()\n{\n    static const std::string text = R\"embedded(${text})embedded\";\n    return text;\n}\n} // namespace shell\n")
