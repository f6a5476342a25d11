# Copies the run-time resources next to bin/; a fresh clone may not have
# every resource folder yet. A README documents its folder for the
# developers; beside the airfoils the loader would take it for one.
if(EXISTS "${SRC}")
  file(COPY "${SRC}/" DESTINATION "${DST}" PATTERN "README" EXCLUDE)
endif()
