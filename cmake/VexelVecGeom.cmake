# vexel::vecgeom: VecGeom with its GDML reader, for the targets that include VecGeom's headers.
#
# Some releases ship a libvecgeom built against one Vc release and Vc headers of the next
# (Debian 13: Vc 1.4.4 inside the library, vc-dev 1.4.5). Vc's headers then compare their
# version with the library's in a static initialiser and abort the program before main.
# The two share Vc's library ABI (5), which is what must match; Vc_NO_VERSION_CHECK is Vc's
# documented switch to skip the stricter comparison. Only these targets see it.
find_package(VecGeom REQUIRED)
if(NOT TARGET vexel::vecgeom)
  add_library(vexel_vecgeom INTERFACE)
  target_link_libraries(vexel_vecgeom INTERFACE VecGeom::vgdml VecGeom::vecgeom)
  target_compile_definitions(vexel_vecgeom INTERFACE Vc_NO_VERSION_CHECK)
  add_library(vexel::vecgeom ALIAS vexel_vecgeom)
endif()
