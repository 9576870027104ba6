//Unique popup cooke name... 
//must begin with a letter, then letters, digits or underscores
Cookie_unique = 'Cookie_ID_#';

image_width = 300;
image_height= 300;

// Path = "sc/";
Path = "index.popup/";

// close_points = '10, 10, 10, 10, 10, 10, 10, 10';
// click_points = '10, 10, 10, 10, 10, 10, 10, 10';
close_points = '237, 67, 237, 25, 279, 25, 279, 67';
click_points = '18, 279, 18, 15, 281, 15, 281, 279';


// Auto Hide

// need_hide = '<script>timeHided(5000)</script>'
// need_hide = ''
need_hide = '';


// Where to open window

// target = "_self";
// target = "_blank";
target = "_self";


// Action for Click

// action = "HREF='http://www.example.com/'";
// action = "HREF='#1' onClick='close_up();'";
action = "";


// How many times to open

// openhow="<script>timeHide()</script>";
// openhow="";
openhow="<script>timeHide()</script>";


// Popup position

// position = "width:100%;  top:50%;";
// position = "left: 100px;  top: 100px;";
position = "width:100%;  top:50%;";
