// Grey-scale pause picture: the textured, coloured fragment turned to its luminance,
// keeping its alpha.
#version 110

uniform sampler2D picture;

void main()
{
    vec4 colour = texture2D(picture, gl_TexCoord[0].st) * gl_Color;
    float grey = dot(colour.rgb, vec3(0.299, 0.587, 0.114));
    gl_FragColor = vec4(grey, grey, grey, colour.a);
}
