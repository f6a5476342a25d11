# Copies the run-time resources next to bin/; a fresh clone may not have
# every resource folder yet.
if(EXISTS "${SRC}")
  file(COPY "${SRC}/" DESTINATION "${DST}")
endif()
