# Copies SOURCE to DEST unless DEST already exists.
if(NOT EXISTS "${DEST}")
  file(COPY_FILE "${SOURCE}" "${DEST}")
endif()
